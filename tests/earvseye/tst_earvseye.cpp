// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// By ear as often as by eye: a player who hears only the sound cues crosses
// about as often as one who sees the road, with the same strategy and
// reaction time, on the same seeded attempts. bench_earvseye plays more.
#include "trials.h"

#include <QTest>

class TestEarVsEye : public QObject
{
    Q_OBJECT
private slots:
    void crossesAsOftenByEar_data();
    void crossesAsOftenByEar();
};

void TestEarVsEye::crossesAsOftenByEar_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("level 1: a 22 s bar") << 1;
    QTest::newRow("level 7: 11 s") << 7;
    QTest::newRow("level 10: 5.5 s") << 10;
}

void TestEarVsEye::crossesAsOftenByEar()
{
    QFETCH(int, level);
    constexpr int attempts = 100;
    constexpr quint32 seed = 20261211;
    const earvseye::Comparison c = earvseye::compare(earvseye::play(earvseye::ear, level, attempts, seed),
                                                     earvseye::play(earvseye::eye, level, attempts, seed));
    qInfo("level %d: ear %.2f, eye %.2f, ear/eye %.3f [%.3f, %.3f]", level, c.first, c.second, c.ratio, c.low, c.high);
    // An eye that rarely crosses would make any ratio meaningless.
    QVERIFY(c.second >= 0.5);
    // A hundred attempts give an interval about 0.15 wide, so this holds its
    // lower end at 0.8: cues of only the lane the hedgehog is in and the one
    // ahead fall far below it (about 0.1). bench_earvseye's thousands of
    // attempts narrow the interval to the figure the game aims at, 0.9.
    QVERIFY2(c.low >= 0.8, "the ear crosses clearly less often than the eye");
}

QTEST_MAIN(TestEarVsEye)
#include "tst_earvseye.moc"
