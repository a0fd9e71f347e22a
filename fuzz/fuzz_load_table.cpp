// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A whole high-score folder of arbitrary files: the input is split at its
// first nine zero bytes into the ten files, score1.dat to score5.dat then
// name1.dat to name5.dat; fewer parts leave the last files missing. Loading
// must never crash, and must either replace the whole table with exactly
// what the reader finds in the ten files or leave it exactly as it was.
#include "scores/scorefiles.h"
#include "storage/rtf.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

struct World {
    int argc = 1;
    char name[8] = "fuzz";
    char *argv[2] = {name, nullptr};
    QCoreApplication qt{argc, argv};
    scores::PlainTableFiles files;
    QTemporaryDir folder;
};

World *world = nullptr;

// A table unlike anything a load could produce, to see it left alone.
scores::Entries untouched()
{
    scores::Entries entries;
    for (int k = 0; k < scores::tableSize; ++k)
        entries[std::size_t(k)] = {qint32(-7 - k), QStringLiteral("\u0001kept%1").arg(k)};
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    world = new World; // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> parts;
    qsizetype from = 0;
    while (parts.size() < 2 * scores::tableSize - 1) {
        const qsizetype zero = input.indexOf('\0', from);
        if (zero < 0)
            break;
        parts.append(input.mid(from, zero - from));
        from = zero + 1;
    }
    if (from <= input.size())
        parts.append(input.mid(from));

    const QString folder = world->folder.path();
    std::optional<scores::Entries> expected = scores::Entries{};
    for (int k = 0; k < 2 * scores::tableSize; ++k) {
        const int rank = k % scores::tableSize + 1;
        const bool isScore = k < scores::tableSize;
        const QString path = isScore ? scores::scoreFilePath(folder, rank) : scores::nameFilePath(folder, rank);
        QFile::remove(path);
        if (k >= parts.size()) {
            expected.reset(); // a missing file
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(parts[k]) != parts[k].size())
            std::abort();
        file.close();
        if (!expected)
            continue;
        const std::optional<QString> text = storage::rtf::read(parts[k]);
        scores::Entry &entry = (*expected)[std::size_t(rank - 1)];
        if (!text || parts[k].size() > storage::rtf::maxDocumentSize) {
            expected.reset();
        } else if (isScore) {
            const std::optional<scores::Slot> slot = scores::parseScore(*text);
            if (slot)
                entry.score = *slot;
            else
                expected.reset();
        } else {
            entry.name = *text;
        }
    }

    scores::HighScoreTable table;
    table.replaceAll(untouched());
    const bool loaded = scores::loadTable(table, world->files.files(), folder);
    if (loaded != expected.has_value())
        std::abort();
    if (table.entries() != (expected ? *expected : untouched()))
        std::abort();
    return 0;
}
