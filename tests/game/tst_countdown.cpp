// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/keys.h"

#include <QTest>

#include <vector>

// The countdown bar: its ticks, the score they take, the time-out, and the
// pace that the level sets.
class TestCountdown : public QObject
{
    Q_OBJECT

private slots:
    void fullBarLastsSeventyThreeTicks();
    void shrinkOrTimeOut_data();
    void shrinkOrTimeOut();
    void intervalPerLevel_data();
    void intervalPerLevel();
    void newIntervalTakesEffectAfterNextTick();
};

void TestCountdown::fullBarLastsSeventyThreeTicks()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    rig.clearRoad();

    rig.clock.advance(72 * 300);
    QCOMPARE(g.Timer.Width(), 45.f);
    QCOMPARE(g.Score, -72);
    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: -72 - Lives: 3 - Level: 1"));
    QVERIFY(!g.Timer6.Enabled());

    // The level changes behind the countdown's back, so the time-out tick
    // shows that it still writes the pace.
    g.Level = 4;
    rig.clock.advance(300);
    QCOMPARE(g.Timer.Width(), 45.f);
    QCOMPARE(g.Score, -72);
    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: -72 - Lives: 3 - Level: 1"));
    QVERIFY(g.Timer6.Enabled());
    QCOMPARE(g.Timer5.Interval(), 225);
}

void TestCountdown::shrinkOrTimeOut_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<qint32>("score");
    QTest::addColumn<int>("lives");
    QTest::addColumn<float>("wantWidth");
    QTest::addColumn<QString>("wantTitle"); // empty: left as it was
    QTest::addColumn<bool>("timeOut");

    QTest::newRow("full bar") << 7245.f << 0 << 3 << 7145.f << "Quillway - Game - Score: -1 - Lives: 3 - Level: 1"
                              << false;
    QTest::newRow("bar of 100 shrinks to nothing")
        << 100.f << 12 << 3 << 0.f << "Quillway - Game - Score: 11 - Lives: 3 - Level: 1" << false;
    QTest::newRow("bar of 101 leaves 1") << 101.f << 12 << 3 << 1.f
                                         << "Quillway - Game - Score: 11 - Lives: 3 - Level: 1" << false;
    QTest::newRow("bar of 99 times out") << 99.f << 12 << 3 << 99.f << QString() << true;
    QTest::newRow("empty bar times out") << 0.f << 12 << 3 << 0.f << QString() << true;
    QTest::newRow("negative score with its sign")
        << 5000.f << -150 << 2 << 4900.f << "Quillway - Game - Score: -151 - Lives: 2 - Level: 1" << false;
}

void TestCountdown::shrinkOrTimeOut()
{
    QFETCH(float, width);
    QFETCH(qint32, score);
    QFETCH(int, lives);
    QFETCH(float, wantWidth);
    QFETCH(QString, wantTitle);
    QFETCH(bool, timeOut);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    g.Timer.setWidth(width);
    g.Score = score;
    g.Lives = lives;
    const QString titleBefore = g.Caption();

    g.Timer5_Timer();

    QCOMPARE(g.Timer.Width(), wantWidth);
    QCOMPARE(g.Score, timeOut ? score : score - 1);
    QCOMPARE(g.Caption(), wantTitle.isEmpty() ? titleBefore : wantTitle);
    QCOMPARE(g.Timer6.Enabled(), timeOut);
    QCOMPARE(g.Lives, lives);
}

void TestCountdown::intervalPerLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("wantInterval");

    // 123 is no interval of the table: it stays when nothing is written.
    QTest::newRow("level 0: unchanged") << 0 << 123;
    const int table[] = {300, 275, 250, 225, 200, 175, 150, 125, 100, 75};
    for (int level = 1; level <= 10; ++level)
        QTest::addRow("level %d", level) << level << table[level - 1];
    QTest::newRow("level 11: unchanged") << 11 << 123;
}

void TestCountdown::intervalPerLevel()
{
    QFETCH(int, level);
    QFETCH(int, wantInterval);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    g.Timer5.setInterval(123);
    g.Level = level;

    g.Timer5_Timer();
    QCOMPARE(g.Timer5.Interval(), wantInterval);

    // The pace comes with every tick, the time-out included.
    g.Timer5.setInterval(123);
    g.Timer.setWidth(0);
    g.Timer5_Timer();
    QVERIFY(g.Timer6.Enabled());
    QCOMPARE(g.Timer5.Interval(), wantInterval);
}

void TestCountdown::newIntervalTakesEffectAfterNextTick()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    rig.clearRoad();
    g.Score = 9000;
    g.Hog.setTop(120);

    // Ticks at 300 and 600, then a crossing at 700 that reaches level 2.
    rig.clock.advance(700);
    QCOMPARE(g.Score, 8998);
    g.Form_KeyDown(platform::vk::Up, 0);
    QCOMPARE(g.Level, 2);

    std::vector<qint64> tickTimes;
    qint32 score = g.Score;
    while (tickTimes.size() < 4 && rig.clock.step()) {
        if (g.Score != score) {
            tickTimes.push_back(rig.clock.now());
            score = g.Score;
        }
    }
    // The next tick still comes at level 1's pace; it sets 275 ms for the
    // gaps after it.
    QCOMPARE(tickTimes, (std::vector<qint64>{900, 1175, 1450, 1725}));
}

QTEST_MAIN(TestCountdown)
#include "tst_countdown.moc"
