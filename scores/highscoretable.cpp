// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "highscoretable.h"

#include <algorithm>
#include <limits>

namespace scores {

const Entry &HighScoreTable::entry(int rank) const
{
    Q_ASSERT(rank >= 1 && rank <= tableSize);
    return m_entries[std::size_t(rank - 1)];
}

qint32 HighScoreTable::scoreValue(int rank) const
{
    return entry(rank).score.value_or(0);
}

bool HighScoreTable::qualifies(qint32 score) const
{
    return score > scoreValue(tableSize);
}

int HighScoreTable::rankFor(qint32 score) const
{
    Q_ASSERT(qualifies(score));
    int rank = 1;
    while (rank < tableSize && score < scoreValue(rank))
        ++rank;
    return rank;
}

void HighScoreTable::insert(int rank, qint32 score, const QString &name)
{
    Q_ASSERT(rank >= 1 && rank <= tableSize);
    for (int k = tableSize; k > rank; --k)
        m_entries[std::size_t(k - 1)] = m_entries[std::size_t(k - 2)];
    m_entries[std::size_t(rank - 1)] = {score, name};
}

void HighScoreTable::replaceAll(const Entries &entries)
{
    m_entries = entries;
    m_unsaved.clear();
}

int HighScoreTable::rankAgain(const Unsaved &unsaved) const
{
    const qint32 score = unsaved.entry.score.value_or(0);
    // Above every lower score, as any entry goes.
    int rank = 1;
    while (rank <= tableSize && score < scoreValue(rank))
        ++rank;
    // Then below the equal scores that are newer. Each copy puts a newer
    // equal score above the older ones, so the older ones it was made above
    // are the last of the run; those still there are counted by what they
    // hold.
    std::vector<Entry> older = unsaved.olderEquals;
    int newer = 0;
    for (int k = rank; k <= tableSize && scoreValue(k) == score; ++k) {
        const auto same = std::find(older.begin(), older.end(), entry(k));
        if (same == older.end())
            ++newer;
        else
            older.erase(same);
    }
    rank += newer;
    return rank <= tableSize ? rank : 0;
}

void HighScoreTable::takeFresher(const Entries &entries)
{
    m_entries = entries;
    for (const Unsaved &unsaved : m_unsaved) {
        // One that another copy's better scores have pushed out stays out.
        if (const int rank = rankAgain(unsaved))
            insert(rank, unsaved.entry.score.value_or(0), unsaved.entry.name);
    }
}

void HighScoreTable::enter(qint32 score, const QString &name)
{
    const int rank = rankFor(score);
    Unsaved unsaved{{score, name}, {}};
    for (int k = rank; k <= tableSize && scoreValue(k) == score; ++k)
        unsaved.olderEquals.push_back(entry(k));
    insert(rank, score, name);
    m_unsaved.push_back(std::move(unsaved));
}

std::optional<Slot> parseScore(const QString &text)
{
    if (text.isEmpty())
        return std::optional<Slot>(std::in_place); // an empty slot

    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;

    // Accumulated as a magnitude in 64 bits, so that the most negative 32-bit
    // value, whose magnitude has no positive counterpart, still parses.
    constexpr qint64 largestMagnitude = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 magnitude = 0;
    for (const QChar c : digits) {
        // Only ASCII digits: QChar::isDigit would let other scripts' digits in.
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > largestMagnitude)
            return std::nullopt;
    }
    if (!negative && magnitude == largestMagnitude)
        return std::nullopt;
    return Slot{qint32(negative ? -magnitude : magnitude)};
}

QString scoreText(const Slot &slot)
{
    return slot ? QString::number(*slot) : QString();
}

} // namespace scores
