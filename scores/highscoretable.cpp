// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "highscoretable.h"

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

void HighScoreTable::takeFresher(const Entries &entries)
{
    m_entries = entries;
    for (const Entry &unsaved : m_unsaved) {
        const qint32 score = unsaved.score.value_or(0);
        // One that another copy's better scores have pushed out stays out.
        if (qualifies(score))
            insert(rankFor(score), score, unsaved.name);
    }
}

void HighScoreTable::enter(qint32 score, const QString &name)
{
    insert(rankFor(score), score, name);
    m_unsaved.push_back({score, name});
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
