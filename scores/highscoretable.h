// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

namespace scores {

// How many entries the table keeps.
constexpr int tableSize = 5;

// One entry's score: an empty slot, or a signed 32-bit whole number.
using Slot = std::optional<qint32>;

struct Entry {
    Slot score;
    QString name;

    friend bool operator==(const Entry &, const Entry &) = default;
};

using Entries = std::array<Entry, tableSize>;

// The five best scores with their players' names, ranked 1 (best) to 5. It is
// taken from its files as it stands: loading neither checks nor restores the
// order. Before the first successful load every entry is an empty slot with
// an empty name.
//
// It also remembers the entries this copy of the game made that no save has
// put in the files yet, in the order they were made, so that a table read
// again for what other copies saved can take them back in (takeFresher).
class HighScoreTable
{
public:
    // rank is 1 to 5.
    const Entry &entry(int rank) const;
    // The score of an entry as every comparison sees it: an empty slot is 0.
    qint32 scoreValue(int rank) const;

    const Entries &entries() const { return m_entries; }
    // The table as its files hold it, whole: nothing is left unsaved.
    void replaceAll(const Entries &entries);
    // The table as its files hold it now, with this copy's unsaved entries
    // entered again in the order they were made. While no other copy has
    // saved since this one last read or saved the files, they still hold the
    // table those entries were made on; entering them again by the same rule
    // makes the same table, so with one copy nothing changes. Between equal
    // scores the older goes below: an entry entered again goes above the
    // equal ones that were in the table when it was made, and below those
    // another copy has saved since.
    void takeFresher(const Entries &entries);
    // Enters a qualifying score at its rank (rankFor, insert) as an entry not
    // saved yet.
    void enter(qint32 score, const QString &name);
    // The files now hold the table.
    void markSaved() { m_unsaved.clear(); }

    // A final score earns a place only by beating the fifth entry.
    bool qualifies(qint32 score) const;
    // The rank a qualifying score takes: above every entry it equals or
    // beats, so a tie goes in front of the older score.
    int rankFor(qint32 score) const;
    // Puts an entry at `rank`, moving the ones from there down a place; the
    // fifth drops out.
    void insert(int rank, qint32 score, const QString &name);

private:
    // An entry no save has put in the files yet, with the entries of equal
    // score that were in the table when it was made: it goes above those.
    struct Unsaved {
        Entry entry;
        std::vector<Entry> olderEquals;
    };
    // The rank an unsaved entry takes again in the table as it is now, or 0
    // when it no longer has a place.
    int rankAgain(const Unsaved &unsaved) const;

    Entries m_entries;
    std::vector<Unsaved> m_unsaved;
};

// The text of a score file: decimal digits with an optional leading "-" give
// that number, an empty text an empty slot. Anything else, including a number
// that does not fit in 32 bits, is not a score (nullopt).
std::optional<Slot> parseScore(const QString &text);

// The text a score file holds for a slot; parseScore reads it back.
QString scoreText(const Slot &slot);

} // namespace scores
