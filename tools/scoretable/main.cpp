// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A high-score table's ten files from the command line, through the game's
// own RTF writer and reader:
//   quillway_scoretable write FOLDER   takes five lines "score<TAB>name"
//   quillway_scoretable read FOLDER    prints them
// An empty score is an empty slot. Text is UTF-8.
#include "platform/rtf.h"
#include "scores/highscoretable.h"
#include "scores/scorefiles.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

std::optional<QString> readDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return platform::rtf::read(file.readAll());
}

bool writeDocument(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(platform::rtf::write(text)) >= 0
        && file.flush();
}

int readTable(const QString &folder)
{
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
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        const QString line = in.readLine();
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const std::optional<scores::Slot> score = scores::parseScore(line.left(tab));
        if (tab < 0 || !score) {
            std::fprintf(stderr, "line %d is not \"score<TAB>name\"\n", rank);
            return 1;
        }
        if (!writeDocument(scores::scoreFilePath(folder, rank), scores::scoreText(*score))
            || !writeDocument(scores::nameFilePath(folder, rank), line.mid(tab + 1))) {
            std::fprintf(stderr, "entry %d cannot be written\n", rank);
            return 1;
        }
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
