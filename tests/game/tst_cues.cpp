// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "game/cues.h"

#include <QTest>

using Lefts = std::array<float, 3>;
Q_DECLARE_METATYPE(Lefts)

// What the lane cues carry, from pictures of the field: whether the
// hedgehog's column is covered, how long until the next vehicle reaches it,
// where that vehicle is, and which lanes sound.
class TestCues : public QObject
{
    Q_OBJECT

private slots:
    void laneCue_data();
    void laneCue();
    void lanesThatSound_data();
    void lanesThatSound();
    void fieldReadFromTheGame();
};

void TestCues::laneCue_data()
{
    QTest::addColumn<int>("lane");
    QTest::addColumn<float>("hogLeft");
    QTest::addColumn<Lefts>("lefts");
    QTest::addColumn<int>("msToNextStep");
    QTest::addColumn<bool>("covered");
    QTest::addColumn<int>("clearSteps");
    QTest::addColumn<int>("arrivalSteps");
    QTest::addColumn<int>("pan");

    // The hedgehog's column is 3360 to 4095 unless the row says otherwise.
    QTest::newRow("red: right edge touching the car (R == V) is not covered; it covers at the next step")
        << 0 << 3360.f << Lefts{4095, 8595, 13095} << 100 << false << -1 << 0 << 1;
    QTest::newRow("red: the car just past (H == V + L) is not covered; the next is far")
        << 0 << 3360.f << Lefts{1545, 6045, 10545} << 100 << false << -1 << 10 << 3;
    QTest::newRow("red: left edges level (H == V) is covered")
        << 0 << 3360.f << Lefts{3360, 7860, 12360} << 100 << true << 10 << 19 << 0;
    QTest::newRow("red, right to left: arrives in four steps, from the right")
        << 0 << 3360.f << Lefts{5000, 9500, 14000} << 100 << false << -1 << 5 << 2;
    QTest::newRow("red: while covered, when it clears and when the car after comes")
        << 0 << 3360.f << Lefts{3000, 7500, 12000} << 100 << true << 6 << 18 << 0;
    QTest::newRow("lorries: a lorry's length covers where a car's would not")
        << 2 << 3360.f << Lefts{1000, 5320, 9640} << 100 << true << 2 << 8 << -1;
    QTest::newRow("blue, left to right: arrives at the second step, from the left")
        << 3 << 3360.f << Lefts{1000, -2720, -6440} << 200 << false << -1 << 2 << -2;
    QTest::newRow("orange at the far left: the car leaving on the right wraps round and comes from the left")
        << 1 << 60.f << Lefts{7400, 2120, 0} << 50 << false << -1 << 2 << -2;
    QTest::newRow("red at the far right: the car coming from the right is on the right")
        << 0 << 6960.f << Lefts{-500, 4000, 8500} << 0 << false << -1 << 3 << 2;
    QTest::newRow("red on a cleared road: nothing within reach sounds as the farthest step, in the middle")
        << 0 << 3360.f << Lefts{50000, 54500, 59000} << 100 << false << -1 << game::arrivalCap << 0;
}

void TestCues::laneCue()
{
    QFETCH(int, lane);
    QFETCH(float, hogLeft);
    QFETCH(Lefts, lefts);
    QFETCH(int, msToNextStep);
    game::FieldView field;
    field.hogLeft = hogLeft;
    field.hogTop = std::array<float, 4>{4440, 3360, 2280, 1200}[std::size_t(lane)];
    field.vehicleLefts[std::size_t(lane)] = lefts;
    field.msToNextStep = {msToNextStep, msToNextStep, msToNextStep, msToNextStep};
    field.msPerStep = {400, 150, 500, 300};

    const game::LaneCue cue = game::cuesFor(field).lanes[0];
    QCOMPARE(cue.lane, lane);
    QTEST(cue.covered, "covered");
    QTEST(cue.clearSteps, "clearSteps");
    QTEST(cue.arrivalSteps, "arrivalSteps");
    QTEST(cue.pan, "pan");
}

void TestCues::lanesThatSound_data()
{
    QTest::addColumn<float>("hogTop");
    QTest::addColumn<qint64>("clockMs");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("bottom verge, first turn: red and orange") << 5520.f << qint64(0) << 0 << 1;
    QTest::newRow("bottom verge, second turn: lorries and blue") << 5520.f << qint64(250) << 2 << 3;
    QTest::newRow("bottom verge, the turns repeat") << 5520.f << qint64(1010) << 0 << 1;
    QTest::newRow("red lane, second turn: lorries and blue") << 4440.f << qint64(499) << 2 << 3;
    QTest::newRow("orange lane, first turn: orange and lorries") << 3360.f << qint64(0) << 1 << 2;
    QTest::newRow("orange lane, second turn: blue alone") << 3360.f << qint64(250) << 3 << -1;
    QTest::newRow("lorry lane: lorries and blue at every turn") << 2280.f << qint64(250) << 2 << 3;
    QTest::newRow("blue lane: blue alone") << 1200.f << qint64(250) << 3 << -1;
    QTest::newRow("top verge: nothing sounds") << 120.f << qint64(0) << -1 << -1;
}

void TestCues::lanesThatSound()
{
    QFETCH(float, hogTop);
    QFETCH(qint64, clockMs);
    game::FieldView field;
    field.hogLeft = 3360;
    field.hogTop = hogTop;
    field.clockMs = clockMs;
    field.msPerStep = {400, 150, 500, 300};
    const game::CueFrame frame = game::cuesFor(field);
    QTEST(frame.lanes[0].lane, "first");
    QTEST(frame.lanes[1].lane, "second");
}

// Each lane's timer, read for its own lane: 100 ms after the lanes start,
// none has stepped yet.
void TestCues::fieldReadFromTheGame()
{
    GameRig rig;
    rig.clock.advance(100);
    const game::FieldView field = game::fieldOf(rig.game());
    QCOMPARE(field.msToNextStep, (std::array<int, 4>{300, 50, 400, 200}));
    QCOMPARE(field.msPerStep, (std::array<int, 4>{400, 150, 500, 300}));
    QCOMPARE(field.vehicleLefts[2], (Lefts{480, 4800, 9120}));
    QCOMPARE(field.hogTop, 5520.f);
    QCOMPARE(field.clockMs, qint64(100));
}

QTEST_MAIN(TestCues)
#include "tst_cues.moc"
