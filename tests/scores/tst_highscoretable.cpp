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

QTEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
