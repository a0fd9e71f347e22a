// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/keys.h"

#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// What a test needs to know of one lane, named by its timer.
struct LaneUnderTest {
    std::vector<platform::Image *> vehicles;
    platform::Timer *timer;
    void (game::QuillwayGame::*tick)();
    float gap;
    float leaveBound;
    bool rightToLeft;
};

LaneUnderTest lane(game::QuillwayGame &g, int timer)
{
    switch (timer) {
    case 1:
        return {{&g.RedCar1, &g.RedCar2, &g.RedCar3}, &g.Timer1, &game::QuillwayGame::Timer1_Timer, 4500, -1815, true};
    case 2: return {{&g.OrangeCar1, &g.OrangeCar2}, &g.Timer2, &game::QuillwayGame::Timer2_Timer, 5280, 7580, false};
    case 3: return {{&g.Lorry1, &g.Lorry2, &g.Lorry3}, &g.Timer3, &game::QuillwayGame::Timer3_Timer, 4320, -2790, true};
    default:
        return {
            {&g.BlueCar1, &g.BlueCar2, &g.BlueCar3}, &g.Timer4, &game::QuillwayGame::Timer4_Timer, 3720, 7580, false};
    }
}

// The lane's vehicles stand exactly one gap apart, none of them past its
// leave bound. Returns a description of what is wrong, or nothing.
QString spacingFault(const LaneUnderTest &l)
{
    std::vector<float> lefts;
    for (const platform::Image *v : l.vehicles)
        lefts.push_back(v->Left());
    std::sort(lefts.begin(), lefts.end());
    for (std::size_t i = 1; i < lefts.size(); ++i) {
        if (lefts[i] - lefts[i - 1] != l.gap)
            return QStringLiteral("gap %1 between %2 and %3")
                .arg(lefts[i] - lefts[i - 1])
                .arg(lefts[i - 1])
                .arg(lefts[i]);
    }
    if (l.rightToLeft ? lefts.front() <= l.leaveBound : lefts.back() >= l.leaveBound)
        return QStringLiteral("a vehicle stays past the bound at %1").arg(l.rightToLeft ? lefts.front() : lefts.back());
    return {};
}

} // namespace

// The four lanes of traffic: moving, wrapping round with constant gaps, and
// hitting the hedgehog.
class TestLanes : public QObject
{
    Q_OBJECT

private slots:
    void firstWrap_data();
    void firstWrap();
    void wrapsExactlyAtBound_data();
    void wrapsExactlyAtBound();
    void spacingKeptForAnHour();
    void hitEdges_data();
    void hitEdges();
    void bands_data();
    void bands();
    void bandHoldingTwoLanes_data();
    void bandHoldingTwoLanes();
    void pausedLanesStandStill();
};

void TestLanes::firstWrap_data()
{
    QTest::addColumn<int>("timer");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("wrapTick");
    QTest::addColumn<float>("leftBefore");
    QTest::addColumn<float>("leftAfter");

    QTest::newRow("red cars at tick 10") << 1 << 400 << 10 << -1605.f << 11595.f;
    QTest::newRow("orange cars at tick 8") << 2 << 150 << 8 << 7380.f << -2880.f;
    QTest::newRow("lorries at tick 11") << 3 << 500 << 11 << -2520.f << 10140.f;
    QTest::newRow("blue cars at tick 13") << 4 << 300 << 13 << 7320.f << -3540.f;
}

void TestLanes::firstWrap()
{
    QFETCH(int, timer);
    QFETCH(int, interval);
    QFETCH(int, wrapTick);
    QFETCH(float, leftBefore);
    QFETCH(float, leftAfter);

    GameRig rig;
    const LaneUnderTest l = lane(rig.game(), timer);
    platform::Image *first = l.vehicles.front();

    rig.clock.advance(qint64(interval) * (wrapTick - 1));
    QCOMPARE(first->Left(), leftBefore);
    rig.clock.advance(interval);
    QCOMPARE(first->Left(), leftAfter);
    QCOMPARE(spacingFault(l), QString());
}

void TestLanes::wrapsExactlyAtBound_data()
{
    QTest::addColumn<int>("timer");
    QTest::addColumn<float>("leftAfterMove");
    QTest::addColumn<bool>("wraps");

    QTest::newRow("red car on its bound") << 1 << -1815.f << true;
    QTest::newRow("red car just inside") << 1 << -1814.f << false;
    QTest::newRow("lorry on its bound") << 3 << -2790.f << true;
    QTest::newRow("lorry just inside") << 3 << -2789.f << false;
    QTest::newRow("orange car on its bound") << 2 << 7580.f << true;
    QTest::newRow("orange car just inside") << 2 << 7579.f << false;
    QTest::newRow("blue car on its bound") << 4 << 7580.f << true;
    QTest::newRow("blue car just inside") << 4 << 7579.f << false;
}

void TestLanes::wrapsExactlyAtBound()
{
    QFETCH(int, timer);
    QFETCH(float, leftAfterMove);
    QFETCH(bool, wraps);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    const LaneUnderTest l = lane(g, timer);
    const float step = l.rightToLeft ? -300 : 300;
    // Vehicle 1 leads; its reference is the last vehicle, one gap per vehicle
    // behind it.
    const float spread = l.gap * float(l.vehicles.size() - 1);
    for (std::size_t i = 0; i < l.vehicles.size(); ++i) {
        const float behind = l.gap * float(i);
        l.vehicles[i]->setLeft(leftAfterMove - step + (l.rightToLeft ? behind : -behind));
    }

    (g.*l.tick)();

    const float last = leftAfterMove + (l.rightToLeft ? spread : -spread);
    const float reentry = last + (l.rightToLeft ? l.gap : -l.gap);
    QCOMPARE(l.vehicles.front()->Left(), wraps ? reentry : leftAfterMove);
    QCOMPARE(spacingFault(l), QString());
}

void TestLanes::spacingKeptForAnHour()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    const LaneUnderTest lanes[] = {lane(g, 1), lane(g, 2), lane(g, 3), lane(g, 4)};
    // The countdown and its time-out are no part of this; without them only
    // the lanes' ticks are due.
    g.Timer5.setEnabled(false);

    int ticks = 0;
    while (rig.clock.next() <= 3600 * 1000) {
        QVERIFY(rig.clock.step());
        ++ticks;
        for (const LaneUnderTest &l : lanes) {
            const QString fault = spacingFault(l);
            if (!fault.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("Timer%1 at %2 ms: %3").arg(l.timer->name()).arg(rig.clock.now()).arg(fault)));
        }
    }
    // 9000 + 24000 + 7200 + 12000 ticks of the four lanes.
    QCOMPARE(ticks, 52200);
    QVERIFY(!g.Timer6.Enabled());
    // 9000 red ticks are 200 whole rounds of 45 ticks (three gaps of 4500 at
    // 300 a tick), so without drift every red car is back at its start.
    QCOMPARE(g.RedCar1.Left(), 1095.f);
    QCOMPARE(g.RedCar2.Left(), 5595.f);
    QCOMPARE(g.RedCar3.Left(), 10095.f);
}

void TestLanes::hitEdges_data()
{
    QTest::addColumn<int>("timer");
    QTest::addColumn<float>("hogLeft");
    QTest::addColumn<float>("hogTop");
    QTest::addColumn<float>("vehicleLeft"); // after the tick's move
    QTest::addColumn<bool>("hit");

    // Cars are 1815 long, lorries 2790, the hedgehog counts as 735 wide.
    QTest::newRow("right edge equal to car's left: no hit") << 1 << 3000.f << 4440.f << 3735.f << false;
    QTest::newRow("right edge 1 inside car: hit") << 1 << 3000.f << 4440.f << 3734.f << true;
    QTest::newRow("left edge equal to car's end: no hit") << 1 << 3000.f << 4440.f << 1185.f << false;
    QTest::newRow("left edge 1 inside car's end: hit") << 1 << 3000.f << 4440.f << 1186.f << true;
    QTest::newRow("left edges equal: hit") << 1 << 3000.f << 4440.f << 3000.f << true;
    QTest::newRow("orange car over hedgehog: hit") << 2 << 3360.f << 3360.f << 3000.f << true;
    QTest::newRow("orange car just past: no hit") << 2 << 3360.f << 3360.f << 1545.f << false;
    QTest::newRow("hedgehog wholly inside lorry: hit") << 3 << 3360.f << 2280.f << 3000.f << true;
    QTest::newRow("left edge equal to lorry's end: no hit") << 3 << 3360.f << 2280.f << 570.f << false;
    QTest::newRow("left edge 1 inside lorry's end: hit") << 3 << 3360.f << 2280.f << 571.f << true;
    QTest::newRow("right edge equal to blue car's left: no hit") << 4 << 60.f << 1200.f << 795.f << false;
    QTest::newRow("right edge 1 inside blue car: hit") << 4 << 60.f << 1200.f << 794.f << true;
}

void TestLanes::hitEdges()
{
    QFETCH(int, timer);
    QFETCH(float, hogLeft);
    QFETCH(float, hogTop);
    QFETCH(float, vehicleLeft);
    QFETCH(bool, hit);

    GameRig rig;
    rig.clearRoad();
    game::QuillwayGame &g = rig.game();
    g.Hog.setLeft(hogLeft);
    g.Hog.setTop(hogTop);
    const LaneUnderTest l = lane(g, timer);
    // The last vehicle, so that a test stopping at the first vehicle misses it.
    platform::Image *vehicle = l.vehicles.back();
    vehicle->setLeft(vehicleLeft - (l.rightToLeft ? -300 : 300));

    (g.*l.tick)();

    QCOMPARE(vehicle->Left(), vehicleLeft);
    QCOMPARE(g.Timer6.Enabled(), hit);
    // A lane touches nothing else of the round.
    QCOMPARE(g.Hog.Left(), hogLeft);
    QCOMPARE(g.Hog.Top(), hogTop);
    QCOMPARE(g.Score, 0);
    QCOMPARE(g.Lives, 3);
}

void TestLanes::bands_data()
{
    QTest::addColumn<int>("timer");
    QTest::addColumn<float>("hogTop");
    QTest::addColumn<bool>("inBand");

    QTest::newRow("red: 3659 below band") << 1 << 3659.f << false;
    QTest::newRow("red: 3660 first of band") << 1 << 3660.f << true;
    QTest::newRow("red: 4440 last of band") << 1 << 4440.f << true;
    QTest::newRow("red: 4441 past band") << 1 << 4441.f << false;
    QTest::newRow("red: start row") << 1 << 5520.f << false;
    QTest::newRow("orange: 3359") << 2 << 3359.f << false;
    QTest::newRow("orange: 3360") << 2 << 3360.f << true;
    QTest::newRow("orange: 4140") << 2 << 4140.f << true;
    QTest::newRow("orange: 4141") << 2 << 4141.f << false;
    QTest::newRow("orange: red row 4440") << 2 << 4440.f << false;
    QTest::newRow("lorries: 2279") << 3 << 2279.f << false;
    QTest::newRow("lorries: 2280") << 3 << 2280.f << true;
    QTest::newRow("lorries: 3060") << 3 << 3060.f << true;
    QTest::newRow("lorries: 3061") << 3 << 3061.f << false;
    QTest::newRow("blue: 1199") << 4 << 1199.f << false;
    QTest::newRow("blue: 1200") << 4 << 1200.f << true;
    QTest::newRow("blue: 1980") << 4 << 1980.f << true;
    QTest::newRow("blue: 1981") << 4 << 1981.f << false;
    QTest::newRow("blue: top verge 120") << 4 << 120.f << false;
}

void TestLanes::bands()
{
    QFETCH(int, timer);
    QFETCH(float, hogTop);
    QFETCH(bool, inBand);

    GameRig rig;
    rig.clearRoad();
    game::QuillwayGame &g = rig.game();
    g.Hog.setTop(hogTop);
    const LaneUnderTest l = lane(g, timer);
    // Right over the hedgehog once it has moved.
    l.vehicles.front()->setLeft(g.Hog.Left() - (l.rightToLeft ? -300 : 300));

    (g.*l.tick)();

    QCOMPARE(g.Timer6.Enabled(), inBand);
}

void TestLanes::bandHoldingTwoLanes_data()
{
    QTest::addColumn<int>("laneWithCar");
    QTest::addColumn<bool>("redTickHits");
    QTest::addColumn<bool>("orangeTickHits");
    QTest::addColumn<bool>("keyHits");

    // At Top 3700 the hedgehog lies in the red band and the orange band.
    QTest::newRow("red car over it") << 1 << true << false << true;
    QTest::newRow("orange car over it") << 2 << false << true << true;
    QTest::newRow("neither") << 0 << false << false << false;
}

void TestLanes::bandHoldingTwoLanes()
{
    QFETCH(int, laneWithCar);
    QFETCH(bool, redTickHits);
    QFETCH(bool, orangeTickHits);
    QFETCH(bool, keyHits);

    // The lanes are stopped, so only the ticks the test runs move anything.
    const auto setUp = [&](GameRig &rig) {
        rig.clearRoad();
        game::QuillwayGame &g = rig.game();
        g.Hog.setTop(3700);
        if (laneWithCar == 1)
            g.RedCar2.setLeft(g.Hog.Left() + 300);
        else if (laneWithCar == 2)
            g.OrangeCar2.setLeft(g.Hog.Left() - 300);
    };

    {
        GameRig rig;
        setUp(rig);
        rig.game().Timer1_Timer();
        QCOMPARE(rig.game().Timer6.Enabled(), redTickHits);
    }
    {
        GameRig rig;
        setUp(rig);
        rig.game().Timer2_Timer();
        QCOMPARE(rig.game().Timer6.Enabled(), orangeTickHits);
    }
    {
        GameRig rig;
        setUp(rig);
        // The key sees the vehicles where the tick would have put them.
        game::QuillwayGame &g = rig.game();
        g.RedCar2.setLeft(g.RedCar2.Left() - 300);
        g.OrangeCar2.setLeft(g.OrangeCar2.Left() + 300);
        g.Form_KeyDown(platform::vk::Space, 0);
        QCOMPARE(g.Timer6.Enabled(), keyHits);
    }
}

void TestLanes::pausedLanesStandStill()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    g.Hog.setTop(4440); // where a running red lane would reach it within a minute
    g.Hog.setLeft(60);
    g.Form_KeyDown(platform::vk::P, 0);
    std::vector<float> lefts;
    for (int t = 1; t <= 4; ++t) {
        for (const platform::Image *v : lane(g, t).vehicles)
            lefts.push_back(v->Left());
    }

    rig.clock.advance(60 * 1000);

    std::vector<float> after;
    for (int t = 1; t <= 4; ++t) {
        for (const platform::Image *v : lane(g, t).vehicles)
            after.push_back(v->Left());
    }
    QCOMPARE(after, lefts);
    QVERIFY(!g.Timer6.Enabled());
}

QTEST_MAIN(TestLanes)
#include "tst_lanes.moc"
