// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontsession.h"

#include "platform/dialogs.h"
#include "platform/testing/inputdriver.h"

#include <QTest>

using platform::testing::ScriptedDialogs;
namespace input = platform::testing::input;

// Program start, and the two ways out of it: Quit and closing the menu.
class TestProgram : public QObject
{
    Q_OBJECT

private:
    // Opens the window named `window` through its menu item; "" opens none,
    // "hidden game" plays a game and puts its window away again, as game over
    // does.
    static void open(FrontSession &s, const QString &window)
    {
        if (window == QLatin1String("QuillwayGame")) {
            input::click(s.menu.NewGame);
        } else if (window == QLatin1String("Rules")) {
            input::click(s.menu.Help);
        } else if (window == QLatin1String("hidden game")) {
            input::click(s.menu.NewGame);
            s.inHandler([&] { s.program.game.Hide(); });
        }
        QVERIFY(!s.app.hasEnded());
    }

    static void verifyQuitQuestion(const FrontSession &s)
    {
        QCOMPARE(s.boxes.shown().size(), 1);
        const ScriptedDialogs::Box &box = s.boxes.shown().constFirst();
        QCOMPARE(box.kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(box.prompt, QStringLiteral("Are you sure you want to quit?"));
        QCOMPARE(box.title, QStringLiteral("Quit Quillway?"));
        QCOMPARE(box.buttons, platform::vbYesNo);
    }

private slots:
    void startShowsOnlyTheMenuWithBothAnimationsRunning()
    {
        FrontSession s;
        QVERIFY(s.menu.isVisible());
        QCOMPARE(s.app.activeForm(), &s.menu);
        QVERIFY(!s.rules.isLoaded());
        QVERIFY(!s.program.game.isLoaded());
        QVERIFY(s.menu.Timer1.Enabled());
        QVERIFY(s.menu.Timer2.Enabled());

        s.clock.advance(FrontSession::blinkPeriod);
        QVERIFY(s.menu.Car.Left() > -6000);
        QCOMPARE(s.blinkState(), QStringLiteral("cars"));
        QVERIFY(s.boxes.shown().isEmpty());
        QVERIFY(!s.app.hasEnded());
    }

    void quit_data()
    {
        QTest::addColumn<QString>("openWindow");
        QTest::addColumn<int>("answer");

        QTest::newRow("No, menu alone: nothing changes") << QString() << platform::vbNo;
        QTest::newRow("No during a game: nothing changes") << QStringLiteral("QuillwayGame") << platform::vbNo;
        QTest::newRow("Yes, menu alone: ends") << QString() << platform::vbYes;
        QTest::newRow("Yes during a game: ends at once") << QStringLiteral("QuillwayGame") << platform::vbYes;
        QTest::newRow("Yes with the rules open: ends at once") << QStringLiteral("Rules") << platform::vbYes;
    }

    void quit()
    {
        QFETCH(QString, openWindow);
        QFETCH(int, answer);

        FrontSession s;
        open(s, openWindow);
        s.clock.advance(300);
        const bool chaseRunning = s.menu.Timer1.Enabled();
        const bool blinkRunning = s.menu.Timer2.Enabled();
        const float carLeft = s.menu.Car.Left();
        const bool gameShown = s.program.game.isVisible();
        const bool rulesShown = s.rules.isVisible();

        s.boxes.answerMessage(answer);
        input::click(s.menu.Quit);

        verifyQuitQuestion(s);
        if (answer == platform::vbYes) {
            QVERIFY(s.app.hasEnded());
            QCOMPARE(s.app.exitStatus(), 0);
            // Nothing runs after the end: no tick, and no window gets to ask
            // its own closing question.
            s.clock.advance(1000);
            QCOMPARE(s.menu.Car.Left(), carLeft);
            QCOMPARE(s.boxes.shown().size(), 1);
            return;
        }
        QVERIFY(!s.app.hasEnded());
        QVERIFY(s.menu.isVisible());
        QCOMPARE(s.menu.Timer1.Enabled(), chaseRunning);
        QCOMPARE(s.menu.Timer2.Enabled(), blinkRunning);
        QCOMPARE(s.program.game.isVisible(), gameShown);
        QCOMPARE(s.rules.isVisible(), rulesShown);
        QCOMPARE(s.menu.Car.Left(), carLeft);
    }

    void closingTheMenu_data()
    {
        QTest::addColumn<QString>("openWindow");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("menuStays");
        QTest::addColumn<bool>("ends");

        QTest::newRow("No: the menu stays") << QString() << platform::vbNo << true << false;
        QTest::newRow("No during a game: the menu stays")
            << QStringLiteral("QuillwayGame") << platform::vbNo << true << false;
        QTest::newRow("Yes, menu alone: the program ends") << QString() << platform::vbYes << false << true;
        QTest::newRow("Yes during a game: only the menu closes")
            << QStringLiteral("QuillwayGame") << platform::vbYes << false << false;
        QTest::newRow("Yes with the rules open: only the menu closes")
            << QStringLiteral("Rules") << platform::vbYes << false << false;
        // A hidden window must not keep an invisible program alive.
        QTest::newRow("Yes with the game window hidden: the program ends")
            << QStringLiteral("hidden game") << platform::vbYes << false << true;
    }

    void closingTheMenu()
    {
        QFETCH(QString, openWindow);
        QFETCH(int, answer);
        QFETCH(bool, menuStays);
        QFETCH(bool, ends);

        FrontSession s;
        open(s, openWindow);
        const bool chaseRunning = s.menu.Timer1.Enabled();
        const bool gameShown = s.program.game.isVisible();
        const bool rulesShown = s.rules.isVisible();

        s.boxes.answerMessage(answer);
        input::close(s.menu);

        verifyQuitQuestion(s);
        QCOMPARE(s.app.hasEnded(), ends);
        if (ends) {
            QCOMPARE(s.app.exitStatus(), 0);
            return;
        }
        QCOMPARE(s.menu.isLoaded(), menuStays);
        QCOMPARE(s.program.game.isVisible(), gameShown);
        QCOMPARE(s.rules.isVisible(), rulesShown);
        if (menuStays) {
            QVERIFY(s.menu.isVisible());
            QCOMPARE(s.menu.Timer1.Enabled(), chaseRunning);
            if (chaseRunning) {
                const float carLeft = s.menu.Car.Left();
                s.clock.advance(FrontSession::chasePeriod);
                QCOMPARE(s.menu.Car.Left(), carLeft + 40);
            }
        }
    }

    // The quit question is modal for the player only: the menu's animations
    // go on while it is open.
    void animationsRunBehindTheQuitQuestion()
    {
        FrontSession s;
        s.boxes.answerMessage(platform::vbNo, FrontSession::blinkPeriod);
        input::click(s.menu.Quit);
        QCOMPARE(s.menu.Car.Left(), -6000 + 31 * 40); // 31 chase ticks in 500 ms
        QCOMPARE(s.blinkState(), QStringLiteral("cars"));
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
