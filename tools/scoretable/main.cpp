// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A high-score table's ten files from the command line, through the game's
// own RTF writer and reader:
//   quillway_scoretable write FOLDER   takes five lines "score<TAB>name"
//   quillway_scoretable read FOLDER    prints them
// An empty score is an empty slot. Text is UTF-8. Both take the folder's lock
// as the game does, and a write replaces the ten files as one set.
#include "platform/fileset.h"
#include "platform/folderlock.h"
#include "platform/rtf.h"
#include "platform/runtimeerror.h"
#include "scores/highscoretable.h"
#include "scores/scorefiles.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

std::optional<QString> readDocument(const QString &path)
{
    try {
        // No larger than the game reads, and only plain files.
        const QByteArray bytes = platform::readSmallFile(path, platform::rtf::maxDocumentSize);
        return bytes.size() > platform::rtf::maxDocumentSize ? std::nullopt : platform::rtf::read(bytes);
    } catch (const platform::RuntimeError &) {
        return std::nullopt;
    }
}

int readTable(const QString &folder)
{
    const platform::FolderLock lock(folder, platform::FolderLock::Mode::Shared);
    if (!lock.held()) {
        std::fprintf(stderr, "the folder is locked\n");
        return 1;
    }
    QTextStream out(stdout);
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        const std::optional<QString> score = readDocument(scores::scoreFilePath(folder, rank));
        const std::optional<QString> name = readDocument(scores::nameFilePath(folder, rank));
        if (!score || !name || !scores::parseScore(*score)) {
            std::fprintf(stderr, "entry %d cannot be read\n", rank);
            return 1;
        }
        out << *score << '\t' << *name << '\n';
    }
    return 0;
}

int writeTable(const QString &folder)
{
    QTextStream in(stdin);
    const platform::FolderLock lock(folder, platform::FolderLock::Mode::Exclusive);
    platform::FileSet files(folder);
    QList<QByteArray> scoreFiles;
    QList<QByteArray> nameFiles;
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        const QString line = in.readLine();
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const std::optional<scores::Slot> score = scores::parseScore(line.left(tab));
        if (tab < 0 || !score) {
            std::fprintf(stderr, "line %d is not \"score<TAB>name\"\n", rank);
            return 1;
        }
        scoreFiles << platform::rtf::write(scores::scoreText(*score));
        nameFiles << platform::rtf::write(line.mid(tab + 1));
    }
    try {
        if (!lock.held())
            throw platform::RuntimeError(platform::errors::PathFileAccess, QStringLiteral("locked"));
        for (int rank = 1; rank <= scores::tableSize; ++rank)
            files.write(scores::scoreFilePath(folder, rank), scoreFiles.at(rank - 1));
        for (int rank = 1; rank <= scores::tableSize; ++rank)
            files.write(scores::nameFilePath(folder, rank), nameFiles.at(rank - 1));
        files.commit();
    } catch (const platform::RuntimeError &) {
        std::fprintf(stderr, "the table cannot be written\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QString command = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString folder = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (command == QLatin1String("read"))
        return readTable(folder);
    if (command == QLatin1String("write"))
        return writeTable(folder);
    std::fprintf(stderr, "usage: quillway_scoretable read|write FOLDER\n");
    return 2;
}
