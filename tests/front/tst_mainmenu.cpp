// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontsession.h"

#include "platform/testing/inputdriver.h"

#include <QFontMetrics>
#include <QTest>

namespace input = platform::testing::input;

// The main menu's two title animations, and how they stand still while
// another window has the player's attention.
class TestMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void chaseFromStart_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<float>("carLeft");
        QTest::addColumn<float>("hedgehogLeft");

        QTest::newRow("first tick") << 1 << -5960.f << -975.f;
        QTest::newRow("274 ticks: last step before the turn") << 274 << 4960.f << 5850.f;
        QTest::newRow("275 ticks: the car reaches 5000, both start over") << 275 << -6000.f << -1000.f;
        QTest::newRow("276 ticks: the second round has begun") << 276 << -5960.f << -975.f;
        QTest::newRow("550 ticks: the second round ends alike") << 550 << -6000.f << -1000.f;
    }

    void chaseFromStart()
    {
        QFETCH(int, ticks);
        QFETCH(float, carLeft);
        QFETCH(float, hedgehogLeft);

        FrontSession s;
        s.clock.advance(qint64(ticks) * FrontSession::chasePeriod);
        QCOMPARE(s.menu.Car.Left(), carLeft);
        QCOMPARE(s.menu.Hedgehog.Left(), hedgehogLeft);
        QCOMPARE(s.menu.Car.Top(), 960.f);
        QCOMPARE(s.menu.Hedgehog.Top(), 960.f);
    }

    void blinkFromStart_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("phase"); // -1: unset

        QTest::newRow("at start: hedgehogs") << 0 << "hedgehogs" << -1;
        QTest::newRow("just before the first tick") << 499 << "hedgehogs" << -1;
        QTest::newRow("first tick: cars") << 500 << "cars" << 1;
        QTest::newRow("second tick: hedgehogs again") << 1000 << "hedgehogs" << 0;
        QTest::newRow("third tick: cars again") << 1500 << "cars" << 1;
        QTest::newRow("fourth tick") << 2000 << "hedgehogs" << 0;
    }

    void blinkFromStart()
    {
        QFETCH(int, ms);
        QFETCH(QString, shown);
        QFETCH(int, phase);

        FrontSession s;
        s.clock.advance(ms);
        QCOMPARE(s.blinkState(), shown);
        QCOMPARE(s.menu.BlinkPhase.value_or(-1), phase);
    }

    // The blink sets each picture to its side's state; it must not toggle, or
    // a picture that got out of step would stay out of step.
    void blinkBringsAStrayPictureIntoStep()
    {
        FrontSession s;
        s.menu.Car2.setVisible(true);
        s.menu.Hog4.setVisible(false);
        s.clock.advance(FrontSession::blinkPeriod);
        QCOMPARE(s.blinkState(), QStringLiteral("cars"));

        s.menu.Car5.setVisible(false);
        s.menu.Hog1.setVisible(true);
        s.clock.advance(FrontSession::blinkPeriod);
        QCOMPARE(s.blinkState(), QStringLiteral("hedgehogs"));
    }

    void anotherWindowStopsTheAnimations_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("shownWindow");

        QTest::newRow("New Game") << QStringList{"NewGame"} << "QuillwayGame";
        QTest::newRow("Rules") << QStringList{"Help"} << "Rules";
        QTest::newRow("Rules again while they are open") << QStringList{"Help", "Help"} << "Rules";
        QTest::newRow("New Game while the rules are open") << QStringList{"Help", "NewGame"} << "QuillwayGame";
        QTest::newRow("Rules during a game") << QStringList{"NewGame", "Help"} << "Rules";
        QTest::newRow("New Game during a game") << QStringList{"NewGame", "NewGame"} << "QuillwayGame";
    }

    void anotherWindowStopsTheAnimations()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, shownWindow);

        FrontSession s;
        // Half-way into a chase, with the cars shown.
        s.clock.advance(750);
        QCOMPARE(s.blinkState(), QStringLiteral("cars"));
        const float carLeft = s.menu.Car.Left();
        const float hedgehogLeft = s.menu.Hedgehog.Left();
        QCOMPARE(carLeft, -6000.f + 46 * 40);

        for (const QString &item : items)
            input::click(item == QLatin1String("Help") ? s.menu.Help : s.menu.NewGame);

        platform::Form &other = s.app.form(shownWindow);
        QVERIFY(other.isVisible());
        QCOMPARE(s.app.activeForm(), &other);
        QVERIFY(s.menu.isVisible());
        QVERIFY(!s.menu.Timer1.Enabled());
        QVERIFY(!s.menu.Timer2.Enabled());

        s.clock.advance(2000);
        QCOMPARE(s.menu.Car.Left(), carLeft);
        QCOMPARE(s.menu.Hedgehog.Left(), hedgehogLeft);
        QCOMPARE(s.blinkState(), QStringLiteral("cars"));

        // The other window gives control back: both animations go on from
        // where they stood.
        s.inHandler([&] { s.menu.takeControlBack(); });
        QCOMPARE(s.app.activeForm(), &s.menu);
        QVERIFY(s.menu.Timer1.Enabled());
        QVERIFY(s.menu.Timer2.Enabled());
        s.clock.advance(FrontSession::chasePeriod);
        QCOMPARE(s.menu.Car.Left(), carLeft + 40);
        QCOMPARE(s.menu.Hedgehog.Left(), hedgehogLeft + 25);
        s.clock.advance(FrontSession::blinkPeriod - FrontSession::chasePeriod);
        QCOMPARE(s.blinkState(), QStringLiteral("hedgehogs"));
    }

    // BlinkPhase belongs to the window object: a menu closed and loaded again
    // starts from its layout but goes on with the phase it had.
    void blinkPhaseOutlivesAClosedMenu()
    {
        FrontSession s;
        s.clock.advance(FrontSession::blinkPeriod);
        QCOMPARE(s.blinkState(), QStringLiteral("cars"));
        input::click(s.menu.Help);
        s.boxes.answerMessage(platform::vbYes);
        input::close(s.menu);
        QVERIFY(!s.menu.isLoaded());
        QVERIFY(!s.app.hasEnded());

        input::close(s.rules); // hands back, loading the menu anew
        QVERIFY(s.menu.isVisible());
        QCOMPARE(s.blinkState(), QStringLiteral("hedgehogs"));
        QCOMPARE(s.menu.Car.Left(), -6000.f);
        QCOMPARE(s.menu.BlinkPhase.value_or(-1), 1);

        // Phase 1 is the hedgehogs' turn, so the first tick changes nothing
        // on screen; a fresh phase would have brought the cars.
        s.clock.advance(FrontSession::blinkPeriod);
        QCOMPARE(s.blinkState(), QStringLiteral("hedgehogs"));
        QCOMPARE(s.menu.BlinkPhase.value_or(-1), 0);
        s.clock.advance(FrontSession::blinkPeriod);
        QCOMPARE(s.blinkState(), QStringLiteral("cars"));
    }

    void labelsShowTheirWholeText_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("title") << "Label1";
        QTest::newRow("New Game") << "NewGame";
        QTest::newRow("Rules") << "Help";
        QTest::newRow("Quit") << "Quit";
    }

    void labelsShowTheirWholeText()
    {
        QFETCH(QString, label);

        FrontSession s;
        platform::Label *item = nullptr;
        for (platform::Label *candidate : {&s.menu.Label1, &s.menu.NewGame, &s.menu.Help, &s.menu.Quit}) {
            if (candidate->name() == label)
                item = candidate;
        }
        QVERIFY(item);
        const QRect box = item->pixelRect();
        const QRect needed
            = QFontMetrics(item->font())
                  .boundingRect(QRect(QPoint(0, 0), box.size()), int(item->layout().alignment), item->Caption());
        QVERIFY2(needed.width() <= box.width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.width()).arg(box.width())));
        QVERIFY2(needed.height() <= box.height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.height()).arg(box.height())));
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
