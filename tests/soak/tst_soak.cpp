// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A day of play on virtual time, by a seeded random player.
#include "soakdriver.h"

#include <QTest>

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void dayOfPlay_data();
    void dayOfPlay();
};

void TestSoak::dayOfPlay_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<qint64>("hours");
    // A day, unless told fewer hours (the sanitizer build).
    const int hours = qEnvironmentVariableIntValue("QUILLWAY_SOAK_HOURS");
    QTest::newRow("a day") << quint32(20261208) << qint64(hours > 0 ? hours : 24);
}

void TestSoak::dayOfPlay()
{
    QFETCH(quint32, seed);
    QFETCH(qint64, hours);
    SoakDriver soak(seed);
    const QString broken = soak.play(hours * 3600 * 1000);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    // A soak that never reached game over or a high score proves little.
    const SoakDriver::Counts &counts = soak.counts();
    qInfo("ticks %lld keys %lld new games %lld leaves %lld game overs %lld high scores %lld", counts.ticks, counts.keys,
          counts.newGames, counts.leaves, counts.gameOvers, counts.highScores);
    QVERIFY(counts.gameOvers > 100);
    QVERIFY(counts.highScores > 10);
    QVERIFY(counts.leaves > 100);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
