// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/scorefiles.h"

#include "storage/rtf.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

// A folder of the high-score table's ten files, written as the game writes
// them, for the tests of their load and save (tests/scores) and of the file
// set and folder lock beneath them (tests/storage).
namespace {

struct Rig {
    scores::PlainTableFiles files;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QStringList firstScores{"5000", "4000", "3000", "2000", "1000"};
const QStringList firstNames{"Ann", "Bob", "Cy", "Di", "Ed"};

void writeTable(const QString &folder, const QStringList &scoreTexts, const QStringList &names)
{
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        writeFile(scores::scoreFilePath(folder, rank), storage::rtf::write(scoreTexts.at(rank - 1)));
        writeFile(scores::nameFilePath(folder, rank), storage::rtf::write(names.at(rank - 1)));
    }
}

scores::Entries firstEntries()
{
    scores::Entries entries;
    for (int k = 0; k < scores::tableSize; ++k)
        entries[std::size_t(k)] = {firstScores.at(k).toInt(), firstNames.at(k)};
    return entries;
}

// A file in the folder, by its name ("score3.dat").
QString filePath(const QString &folder, const QString &fileName)
{
    return QDir(folder).filePath(fileName);
}

} // namespace
