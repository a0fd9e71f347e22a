// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include "platform/realclock.h"

#include <QTest>
#include <algorithm>

using namespace platform;
using namespace platform::testing;

// The timers' schedule, on virtual time: the game's pace and the traffic
// depend on exactly when ticks come.
class TestClock : public QObject
{
    Q_OBJECT
private slots:
    void schedule_data();
    void schedule();
    void longHandlerCollapsesMissedTicks();
    void simultaneousTicksComeInConstructionOrder();
    void unloadDropsTheDueTick();
    void boxKeepsOtherTimersTicking();
    void realClockTicks();
};

using Action = std::function<void(TestWindow &, ManualClock &)>;
Q_DECLARE_METATYPE(Action)

// Every multiple of `period` in the first second.
static QList<qint64> every(qint64 period)
{
    QList<qint64> times;
    for (qint64 t = period; t <= 1000; t += period)
        times << t;
    return times;
}

void TestClock::schedule_data()
{
    QTest::addColumn<Action>("setup");
    QTest::addColumn<QList<qint64>>("expected"); // Timer1's ticks in the first second

    QTest::newRow("enabled at load: every interval from the load") << Action() << QList<qint64>{300, 600, 900};
    QTest::newRow("1 ms ticks at the 16 ms resolution, reads back 1") << Action([](TestWindow &w, ManualClock &) {
        w.Timer1.setInterval(1);
        QCOMPARE(w.Timer1.Interval(), 1);
    }) << every(16);
    QTest::newRow("first tick one interval after enabling") << Action([](TestWindow &w, ManualClock &c) {
        w.Timer1.setEnabled(false);
        c.advance(50);
        w.Timer1.setEnabled(true);
    }) << QList<qint64>{350, 650, 950};
    QTest::newRow("enabling an enabled timer changes nothing") << Action([](TestWindow &w, ManualClock &c) {
        c.advance(200);
        w.Timer1.setEnabled(true);
    }) << QList<qint64>{300, 600, 900};
    QTest::newRow("interval written in the tick governs the gaps after it")
        << Action([](TestWindow &w, ManualClock &) { w.onTick = [&w](int) { w.Timer1.setInterval(100); }; })
        << QList<qint64>{300, 400, 500, 600, 700, 800, 900, 1000};
    QTest::newRow("a new interval written between ticks counts from the write")
        << Action([](TestWindow &w, ManualClock &c) {
               c.advance(150);
               w.Timer1.setInterval(200);
           })
        << QList<qint64>{350, 550, 750, 950};
    QTest::newRow("writing the same interval does not restart") << Action([](TestWindow &w, ManualClock &c) {
        c.advance(150);
        w.Timer1.setInterval(300);
    }) << QList<qint64>{300, 600, 900};
    QTest::newRow("interval 0 never ticks")
        << Action([](TestWindow &w, ManualClock &) { w.Timer1.setInterval(0); }) << QList<qint64>{};
    QTest::newRow("disabled in its own tick: no more ticks")
        << Action([](TestWindow &w, ManualClock &) { w.onTick = [&w](int) { w.Timer1.setEnabled(false); }; })
        << QList<qint64>{300};
    QTest::newRow("disabled and enabled in its own tick: restarts from then")
        << Action([](TestWindow &w, ManualClock &c) {
               w.onTick = [&w, &c](int) {
                   if (c.now() == 300) {
                       w.Timer1.setEnabled(false);
                       w.Timer1.setInterval(250);
                       w.Timer1.setEnabled(true);
                   }
               };
           })
        << QList<qint64>{300, 550, 800};
}

void TestClock::schedule()
{
    QFETCH(Action, setup);
    QFETCH(QList<qint64>, expected);
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    window.Load();
    if (setup)
        setup(window, program.clock);
    program.clock.advance(1000 - program.clock.now());
    QCOMPARE(window.ticks[1], expected);
}

void TestClock::longHandlerCollapsesMissedTicks()
{
    // A handler that keeps a box open for 450 ms: the timer's own missed ticks
    // become one late tick, and the schedule goes on from the due times.
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    window.Load();
    window.Timer1.setInterval(100);
    window.Timer2.setInterval(100);
    window.Timer2.setEnabled(true);
    program.boxes.answerMessage(vbYes, 450);
    window.onTick = [&](int which) {
        if (which == 1 && program.clock.now() == 100)
            window.MsgBox(QStringLiteral("Wait"), vbYesNo, QStringLiteral("Box"));
    };
    program.clock.advance(800);
    QCOMPARE(window.ticks[1], (QList<qint64>{100, 600, 700, 800}));
    // Timer2 ran on behind the box, in time.
    QCOMPARE(window.ticks[2], (QList<qint64>{100, 200, 300, 400, 500, 600, 700, 800}));
}

void TestClock::simultaneousTicksComeInConstructionOrder()
{
    TestProgram program;
    TestWindow first(program.app, QStringLiteral("First"));
    TestWindow second(program.app, QStringLiteral("Second"));
    QStringList order;
    second.Load(); // loading order does not matter, construction order does
    first.Load();
    second.Timer2.setEnabled(true);
    first.Timer2.setEnabled(true);
    first.onTick = [&](int which) { order << QStringLiteral("first %1").arg(which); };
    second.onTick = [&](int which) { order << QStringLiteral("second %1").arg(which); };
    program.clock.advance(300);
    QCOMPARE(order, (QStringList{"first 1", "first 2", "second 1", "second 2"}));
}

void TestClock::unloadDropsTheDueTick()
{
    // Delivering it would load the window again behind the player's back.
    TestProgram program;
    TestWindow other(program.app, QStringLiteral("Other")); // its tick comes first
    TestWindow window(program.app, QStringLiteral("W"));
    window.Load();
    other.Load();
    other.onTick = [&](int) { window.Unload(); };
    program.clock.advance(600);
    QVERIFY(!window.isLoaded());
    QVERIFY(window.ticks[1].isEmpty());
    QCOMPARE(window.log, QStringList{"Form_Load"});
}

void TestClock::boxKeepsOtherTimersTicking()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    window.Load();
    program.boxes.answerMessage(vbNo, 1000);
    program.app.dispatch([&] { QCOMPARE(window.MsgBox(QStringLiteral("Sure?"), vbYesNo, QStringLiteral("Q")), vbNo); });
    QCOMPARE(window.ticks[1], (QList<qint64>{300, 600, 900}));
    QCOMPARE(program.boxes.shown().size(), 1);
    QCOMPARE(program.boxes.shown().first().title, QStringLiteral("Q"));
}

void TestClock::realClockTicks()
{
    RealClock clock;
    ScriptedDialogs boxes;
    App app(clock, boxes);
    TestWindow window(app, QStringLiteral("W"));
    window.Load();
    window.Timer1.setInterval(20);
    QTRY_VERIFY_WITH_TIMEOUT(window.ticks[1].size() >= 3, 10000);
    // No timing claims here (shared machines): the ticks arrive, in order.
    QVERIFY(std::is_sorted(window.ticks[1].begin(), window.ticks[1].end()));
    QVERIFY(window.ticks[1].first() >= 20);
}

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
