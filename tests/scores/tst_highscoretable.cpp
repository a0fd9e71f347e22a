// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/highscoretable.h"

#include <QTest>

using scores::Slot;

namespace QTest {
// Readable failures: "empty", a number, or "not a score".
template<>
char *toString(const Slot &slot)
{
    return qstrdup(slot ? QByteArray::number(*slot).constData() : "empty");
}
template<>
char *toString(const std::optional<Slot> &parsed)
{
    return parsed ? toString(*parsed) : qstrdup("not a score");
}
} // namespace QTest

// What a score file's text means, and the table's view of empty slots.
class TestHighScoreTable : public QObject
{
    Q_OBJECT

private slots:
    void parseScore_data();
    void parseScore();
    void scoreTextReadsBack_data();
    void scoreTextReadsBack();
    void emptySlotCountsAsZero();
    void entryAtGameOver_data();
    void entryAtGameOver();
};

void TestHighScoreTable::parseScore_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<Slot>>("want");

    const std::optional<Slot> notAScore;
    QTest::newRow("empty: empty slot") << "" << std::optional<Slot>(Slot());
    QTest::newRow("zero") << "0" << std::optional<Slot>(Slot(0));
    QTest::newRow("plain number") << "2950" << std::optional<Slot>(Slot(2950));
    QTest::newRow("negative") << "-150" << std::optional<Slot>(Slot(-150));
    QTest::newRow("minus zero") << "-0" << std::optional<Slot>(Slot(0));
    QTest::newRow("leading zeros") << "007" << std::optional<Slot>(Slot(7));
    QTest::newRow("largest 32-bit") << "2147483647" << std::optional<Slot>(Slot(2147483647));
    QTest::newRow("smallest 32-bit") << "-2147483648" << std::optional<Slot>(Slot(-2147483647 - 1));
    QTest::newRow("one past largest") << "2147483648" << notAScore;
    QTest::newRow("one past smallest") << "-2147483649" << notAScore;
    QTest::newRow("many digits") << "99999999999999999999999" << notAScore;
    QTest::newRow("many leading zeros still fit") << "000000000000000000042" << std::optional<Slot>(Slot(42));
    QTest::newRow("lone minus") << "-" << notAScore;
    QTest::newRow("double minus") << "--5" << notAScore;
    QTest::newRow("plus sign") << "+5" << notAScore;
    QTest::newRow("letters") << "abc" << notAScore;
    QTest::newRow("trailing letter") << "12a" << notAScore;
    QTest::newRow("leading space") << " 12" << notAScore;
    QTest::newRow("trailing newline") << "12\n" << notAScore;
    QTest::newRow("decimal point") << "1.5" << notAScore;
    QTest::newRow("digit grouping") << "1,000" << notAScore;
    QTest::newRow("minus after digits") << "5-" << notAScore;
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662") << notAScore;
    QTest::newRow("fullwidth digits") << QStringLiteral("\uff11\uff12") << notAScore;
}

void TestHighScoreTable::parseScore()
{
    QFETCH(QString, text);
    QFETCH(std::optional<Slot>, want);

    QCOMPARE(scores::parseScore(text), want);
}

void TestHighScoreTable::scoreTextReadsBack_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty slot") << Slot() << "";
    QTest::newRow("zero") << Slot(0) << "0";
    QTest::newRow("negative") << Slot(-72) << "-72";
    QTest::newRow("largest") << Slot(2147483647) << "2147483647";
    QTest::newRow("smallest") << Slot(-2147483647 - 1) << "-2147483648";
}

void TestHighScoreTable::scoreTextReadsBack()
{
    QFETCH(Slot, slot);
    QFETCH(QString, text);

    QCOMPARE(scores::scoreText(slot), text);
    QCOMPARE(scores::parseScore(text), std::optional<Slot>(slot));
}

void TestHighScoreTable::emptySlotCountsAsZero()
{
    scores::HighScoreTable table;
    scores::Entries entries;
    entries[0] = {Slot(900), QStringLiteral("Ann")};
    entries[1] = {Slot(-5), QStringLiteral("Bob")};
    table.replaceAll(entries);

    QCOMPARE(table.scoreValue(1), 900);
    QCOMPARE(table.scoreValue(2), -5);
    QCOMPARE(table.scoreValue(3), 0);
    QCOMPARE(table.entry(5).score, Slot());
    QCOMPARE(table.entry(1).name, QStringLiteral("Ann"));
}

void TestHighScoreTable::entryAtGameOver_data()
{
    QTest::addColumn<QStringList>("before"); // score texts; the names are A to E
    QTest::addColumn<qint32>("score");
    QTest::addColumn<int>("rank");          // 0: no entry
    QTest::addColumn<QStringList>("after"); // "score name" per rank

    const QStringList full{"5000", "4000", "3000", "2000", "1000"};
    const QStringList empty{"", "", "", "", ""};
    QTest::newRow("tie goes above the older score")
        << full << 3000 << 3 << QStringList{"5000 A", "4000 B", "3000 new", "3000 C", "2000 D"};
    QTest::newRow("equal to the fifth: no entry") << full << 1000 << 0 << QStringList();
    QTest::newRow("one above the fifth replaces it")
        << full << 1001 << 5 << QStringList{"5000 A", "4000 B", "3000 C", "2000 D", "1001 new"};
    QTest::newRow("best score moves everyone down")
        << full << 6000 << 1 << QStringList{"6000 new", "5000 A", "4000 B", "3000 C", "2000 D"};
    QTest::newRow("empty table takes a positive score")
        << empty << 2950 << 1 << QStringList{"2950 new", " A", " B", " C", " D"};
    QTest::newRow("empty slot counts as 0: 0 does not enter") << empty << 0 << 0 << QStringList();
    QTest::newRow("negative score never enters an empty slot") << empty << -5 << 0 << QStringList();
    QTest::newRow("stored 900 beaten by 901") << QStringList{"5000", "4000", "3000", "2000", "900"} << 901 << 5
                                              << QStringList{"5000 A", "4000 B", "3000 C", "2000 D", "901 new"};
    QTest::newRow("stored 900 not beaten by 899")
        << QStringList{"5000", "4000", "3000", "2000", "900"} << 899 << 0 << QStringList();
    QTest::newRow("negative fifth beaten by a smaller negative")
        << QStringList{"10", "0", "-5", "-10", "-20"} << -15 << 5
        << QStringList{"10 A", "0 B", "-5 C", "-10 D", "-15 new"};
}

void TestHighScoreTable::entryAtGameOver()
{
    QFETCH(QStringList, before);
    QFETCH(qint32, score);
    QFETCH(int, rank);
    QFETCH(QStringList, after);

    scores::Entries entries;
    for (int k = 0; k < scores::tableSize; ++k)
        entries[std::size_t(k)] = {*scores::parseScore(before.at(k)), QString(QChar(u'A' + k))};
    scores::HighScoreTable table;
    table.replaceAll(entries);

    QCOMPARE(table.qualifies(score), rank != 0);
    if (rank == 0)
        return;
    QCOMPARE(table.rankFor(score), rank);

    table.insert(rank, score, QStringLiteral("new"));
    QStringList got;
    for (int k = 1; k <= scores::tableSize; ++k)
        got << scores::scoreText(table.entry(k).score) + u' ' + table.entry(k).name;
    QCOMPARE(got, after);
}

QTEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
