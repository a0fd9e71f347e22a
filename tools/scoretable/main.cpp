// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A high-score table's ten files from the command line, through the game's
// own load and save (scores/scorefiles.h) with plain files for its boxes:
//   quillway_scoretable write FOLDER   takes five lines "score<TAB>name"
//   quillway_scoretable read FOLDER    prints them
// An empty score is an empty slot. Text is UTF-8. Both take the folder's lock
// as the game does, and a write replaces the ten files as one set.
#include "scores/highscoretable.h"
#include "scores/scorefiles.h"

#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

int readTable(const QString &folder)
{
    scores::PlainTableFiles files;
    scores::HighScoreTable table;
    if (!scores::loadTable(table, files.files(), folder)) {
        std::fprintf(stderr, "the table cannot be read\n");
        return 1;
    }
    // The files' own texts, as written.
    QTextStream out(stdout);
    for (std::size_t k = 0; k < std::size_t(scores::tableSize); ++k)
        out << files.files().scores[k]->text() << '\t' << files.files().names[k]->text() << '\n';
    return 0;
}

int writeTable(const QString &folder)
{
    QTextStream in(stdin);
    scores::Entries entries;
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        const QString line = in.readLine();
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const std::optional<scores::Slot> score = scores::parseScore(line.left(tab));
        if (tab < 0 || !score) {
            std::fprintf(stderr, "line %d is not \"score<TAB>name\"\n", rank);
            return 1;
        }
        entries[std::size_t(rank - 1)] = {*score, line.mid(tab + 1)};
    }
    scores::HighScoreTable table;
    table.replaceAll(entries);
    scores::PlainTableFiles files;
    if (!scores::saveTable(table, files.files(), folder)) {
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
