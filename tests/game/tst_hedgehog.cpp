// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/keys.h"
#include "platform/testing/inputdriver.h"

#include <QTest>

// The arrow keys, the crossing with its level ladder, and the pause key.
class TestHedgehog : public QObject
{
    Q_OBJECT

private slots:
    void moves_data();
    void moves();
    void sixUpsCross();
    void levelLadder_data();
    void levelLadder();
    void pauseAndResume();
    void arrowsDeadWhilePaused_data();
    void arrowsDeadWhilePaused();
    void keysIgnoredWhileDying_data();
    void keysIgnoredWhileDying();
    void keyFindsHit_data();
    void keyFindsHit();
};

void TestHedgehog::moves_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<int>("key");
    QTest::addColumn<float>("wantLeft");
    QTest::addColumn<float>("wantTop");

    QTest::newRow("up from start") << 3360.f << 5520.f << int(Qt::Key_Up) << 3360.f << 4440.f;
    QTest::newRow("up from blue lane reaches top verge") << 3360.f << 1200.f << int(Qt::Key_Up) << 3360.f << 120.f;
    QTest::newRow("up just below crossing line moves") << 3360.f << 1081.f << int(Qt::Key_Up) << 3360.f << 1.f;
    QTest::newRow("down at bottom row refused") << 3360.f << 5520.f << int(Qt::Key_Down) << 3360.f << 5520.f;
    QTest::newRow("down below bottom row refused") << 3360.f << 5600.f << int(Qt::Key_Down) << 3360.f << 5600.f;
    QTest::newRow("down just above bottom row moves") << 3360.f << 5519.f << int(Qt::Key_Down) << 3360.f << 6599.f;
    QTest::newRow("down from red lane") << 3360.f << 4440.f << int(Qt::Key_Down) << 3360.f << 5520.f;
    QTest::newRow("left at leftmost column refused") << 60.f << 5520.f << int(Qt::Key_Left) << 60.f << 5520.f;
    QTest::newRow("left at 300 refused") << 300.f << 5520.f << int(Qt::Key_Left) << 300.f << 5520.f;
    QTest::newRow("left at 301 moves") << 301.f << 5520.f << int(Qt::Key_Left) << 1.f << 5520.f;
    QTest::newRow("left from 360 to 60") << 360.f << 5520.f << int(Qt::Key_Left) << 60.f << 5520.f;
    QTest::newRow("right at rightmost column refused") << 6960.f << 5520.f << int(Qt::Key_Right) << 6960.f << 5520.f;
    QTest::newRow("right at 6750 refused") << 6750.f << 5520.f << int(Qt::Key_Right) << 6750.f << 5520.f;
    QTest::newRow("right at 6749 moves") << 6749.f << 5520.f << int(Qt::Key_Right) << 7049.f << 5520.f;
    QTest::newRow("right from 6660 to 6960") << 6660.f << 5520.f << int(Qt::Key_Right) << 6960.f << 5520.f;
    QTest::newRow("space does not move") << 3360.f << 4440.f << int(Qt::Key_Space) << 3360.f << 4440.f;
    QTest::newRow("S, the sound's key, does not move") << 3360.f << 4440.f << int(Qt::Key_S) << 3360.f << 4440.f;
}

void TestHedgehog::moves()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(int, key);
    QFETCH(float, wantLeft);
    QFETCH(float, wantTop);

    GameRig rig;
    rig.clearRoad();
    game::QuillwayGame &g = rig.game();
    g.Hog.setLeft(left);
    g.Hog.setTop(top);

    platform::testing::input::pressKey(g, key);

    QCOMPARE(g.Hog.Left(), wantLeft);
    QCOMPARE(g.Hog.Top(), wantTop);
    QCOMPARE(g.Score, 0);
    QVERIFY(!g.Timer6.Enabled());
}

void TestHedgehog::sixUpsCross()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    // The blue car that stands over the start column at load would end the
    // walk at the blue lane.
    g.BlueCar1.setLeft(6000);
    g.Timer.setWidth(2000);

    const float expectedTops[] = {4440, 3360, 2280, 1200, 120};
    for (float top : expectedTops) {
        platform::testing::input::pressKey(g, Qt::Key_Up);
        QCOMPARE(g.Hog.Top(), top);
        QCOMPARE(g.Score, 0);
    }
    platform::testing::input::pressKey(g, Qt::Key_Up);

    QCOMPARE(g.Score, 1000);
    QCOMPARE(g.Level, 1);
    QCOMPARE(g.Hog.Left(), 3360.f);
    QCOMPARE(g.Hog.Top(), 5520.f);
    QCOMPARE(g.Timer.Width(), 7245.f);
    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: 1000 - Lives: 3 - Level: 1"));
    QCOMPARE(g.Lives, 3);
    QVERIFY(!g.Timer6.Enabled());
}

void TestHedgehog::levelLadder_data()
{
    QTest::addColumn<qint32>("scoreBefore");
    QTest::addColumn<int>("levelBefore");
    QTest::addColumn<int>("wantLevel");

    QTest::newRow("to 4999: level 1") << 3999 << 1 << 1;
    QTest::newRow("to exactly 5000 from level 1: stays 1") << 4000 << 1 << 1;
    QTest::newRow("to exactly 5000 from level 3: stays 3") << 4000 << 3 << 3;
    QTest::newRow("to 5001: level 2") << 4001 << 1 << 2;
    QTest::newRow("to 5500: level 2") << 4500 << 1 << 2;
    QTest::newRow("to exactly 10000: level 2") << 9000 << 1 << 2;
    QTest::newRow("to 10001: level 3") << 9001 << 2 << 3;
    QTest::newRow("to 15001: level 4") << 14001 << 3 << 4;
    QTest::newRow("to exactly 45000: level 9") << 44000 << 1 << 9;
    QTest::newRow("to 45001: level 10") << 44001 << 9 << 10;
    QTest::newRow("far above 45000: still 10") << 900000 << 10 << 10;
    QTest::newRow("fallen score lowers level 3 to 1") << 1000 << 3 << 1;
    QTest::newRow("fallen score lowers level 10 to 2") << 6000 << 10 << 2;
    QTest::newRow("negative score: level 1") << -3000 << 4 << 1;
}

void TestHedgehog::levelLadder()
{
    QFETCH(qint32, scoreBefore);
    QFETCH(int, levelBefore);
    QFETCH(int, wantLevel);

    GameRig rig;
    rig.clearRoad();
    game::QuillwayGame &g = rig.game();
    g.Score = scoreBefore;
    g.Level = levelBefore;
    g.Hog.setTop(120);

    platform::testing::input::pressKey(g, Qt::Key_Up);

    QCOMPARE(g.Score, scoreBefore + 1000);
    QCOMPARE(g.Level, wantLevel);
    QCOMPARE(
        g.Caption(),
        QStringLiteral("Quillway - Game - Score: %1 - Lives: 3 - Level: %2").arg(scoreBefore + 1000).arg(wantLevel));
}

void TestHedgehog::pauseAndResume()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    platform::Timer *const gameTimers[] = {&g.Timer1, &g.Timer2, &g.Timer3, &g.Timer4, &g.Timer5};
    rig.clock.advance(650); // some traffic and countdown, nothing wrapped
    g.Lives = 2;
    const float redLeft = g.RedCar1.Left();
    const float bar = g.Timer.Width();

    platform::testing::input::pressKey(g, Qt::Key_P);
    QCOMPARE(g.Paused, 1);
    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: -2 - Lives: 2 - Level: 1 - Paused"));
    for (platform::Timer *t : gameTimers)
        QVERIFY2(!t->Enabled(), qPrintable(t->name()));

    rig.clock.advance(5000);
    QCOMPARE(g.RedCar1.Left(), redLeft);
    QCOMPARE(g.Timer.Width(), bar);
    QCOMPARE(g.Score, -2);

    platform::testing::input::pressKey(g, Qt::Key_P);
    QCOMPARE(g.Paused, 0);
    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: -2 - Lives: 2 - Level: 1"));
    for (platform::Timer *t : gameTimers)
        QVERIFY2(t->Enabled(), qPrintable(t->name()));
    QVERIFY(!g.Timer6.Enabled());
    QCOMPARE(g.Hog.Left(), 3360.f);
    QCOMPARE(g.Hog.Top(), 5520.f);

    // Resumed timers count afresh from the resume.
    rig.clock.advance(399);
    QCOMPARE(g.RedCar1.Left(), redLeft);
    rig.clock.advance(1);
    QCOMPARE(g.RedCar1.Left(), redLeft - 300);
}

void TestHedgehog::arrowsDeadWhilePaused_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<float>("top");

    QTest::newRow("up") << int(Qt::Key_Up) << 4440.f;
    QTest::newRow("up at top verge: no crossing") << int(Qt::Key_Up) << 120.f;
    QTest::newRow("down") << int(Qt::Key_Down) << 4440.f;
    QTest::newRow("left") << int(Qt::Key_Left) << 4440.f;
    QTest::newRow("right") << int(Qt::Key_Right) << 4440.f;
}

void TestHedgehog::arrowsDeadWhilePaused()
{
    QFETCH(int, key);
    QFETCH(float, top);

    GameRig rig;
    rig.clearRoad();
    game::QuillwayGame &g = rig.game();
    g.Hog.setTop(top);
    platform::testing::input::pressKey(g, Qt::Key_P);
    const QString pausedTitle = g.Caption();

    platform::testing::input::pressKey(g, key);

    QCOMPARE(g.Hog.Left(), 3360.f);
    QCOMPARE(g.Hog.Top(), top);
    QCOMPARE(g.Score, 0);
    QCOMPARE(g.Caption(), pausedTitle);
    QCOMPARE(g.Paused, 1);
}

void TestHedgehog::keysIgnoredWhileDying_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("up") << int(Qt::Key_Up);
    QTest::newRow("down") << int(Qt::Key_Down);
    QTest::newRow("left") << int(Qt::Key_Left);
    QTest::newRow("right") << int(Qt::Key_Right);
    QTest::newRow("pause") << int(Qt::Key_P);
}

void TestHedgehog::keysIgnoredWhileDying()
{
    QFETCH(int, key);

    GameRig rig;
    rig.clearRoad();
    game::QuillwayGame &g = rig.game();
    g.Hog.setTop(120); // where Up would be a crossing
    g.Hog.setLeft(3060);
    g.Timer6.setEnabled(true);
    const QString title = g.Caption();

    platform::testing::input::pressKey(g, key);

    QCOMPARE(g.Hog.Left(), 3060.f);
    QCOMPARE(g.Hog.Top(), 120.f);
    QCOMPARE(g.Score, 0);
    QCOMPARE(g.Paused, 0);
    QCOMPARE(g.Caption(), title);
    QVERIFY(g.Timer1.Enabled());
    QVERIFY(g.Timer5.Enabled());
}

void TestHedgehog::keyFindsHit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<float>("hogTop");
    QTest::addColumn<float>("redCarLeft");
    QTest::addColumn<bool>("hit");

    // The hedgehog stands at Left 3360 unless the key moves it.
    QTest::newRow("up into a red car") << int(Qt::Key_Up) << 5520.f << 3000.f << true;
    QTest::newRow("up next to a red car: right edge touches") << int(Qt::Key_Up) << 5520.f << 4095.f << false;
    QTest::newRow("left into a red car") << int(Qt::Key_Left) << 4440.f << 1600.f << true;
    QTest::newRow("left to just touch a red car's end") << int(Qt::Key_Left) << 4440.f << 1245.f << false;
    QTest::newRow("space over a red car") << int(Qt::Key_Space) << 4440.f << 3360.f << true;
    QTest::newRow("S over a red car: the sound switches, the test still runs")
        << int(Qt::Key_S) << 4440.f << 3360.f << true;
    QTest::newRow("space, red car one step ahead") << int(Qt::Key_Space) << 4440.f << 4095.f << false;
    QTest::newRow("space at the start row, car in line") << int(Qt::Key_Space) << 5520.f << 3360.f << false;
    QTest::newRow("pause over a red car still tests") << int(Qt::Key_P) << 4440.f << 3360.f << true;
}

void TestHedgehog::keyFindsHit()
{
    QFETCH(int, key);
    QFETCH(float, hogTop);
    QFETCH(float, redCarLeft);
    QFETCH(bool, hit);

    GameRig rig;
    rig.clearRoad();
    game::QuillwayGame &g = rig.game();
    g.Hog.setTop(hogTop);
    g.RedCar2.setLeft(redCarLeft);

    platform::testing::input::pressKey(g, key);

    QCOMPARE(g.Timer6.Enabled(), hit);
}

QTEST_MAIN(TestHedgehog)
#include "tst_hedgehog.moc"
