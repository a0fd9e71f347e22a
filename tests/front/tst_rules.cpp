// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontsession.h"

#include "platform/testing/inputdriver.h"

#include <QFontMetrics>
#include <QTest>

namespace input = platform::testing::input;

// The rules window: opened from the menu, read, closed; the chase at its foot
// starts over at every opening.
class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void reopeningAfterACloseStartsTheChaseOver()
    {
        FrontSession s;
        input::click(s.menu.Help);
        QCOMPARE(s.app.activeForm(), &s.rules);
        s.clock.advance(100 * FrontSession::chasePeriod);
        QCOMPARE(s.rules.Car.Left(), -2000.f);
        QCOMPARE(s.rules.Hedgehog.Left(), 1500.f);

        input::close(s.rules);
        QVERIFY(!s.rules.isLoaded());
        s.clock.advance(1000);

        input::click(s.menu.Help);
        QCOMPARE(s.rules.Car.Left(), -6000.f);
        QCOMPARE(s.rules.Hedgehog.Left(), -1000.f);
        s.clock.advance(FrontSession::chasePeriod);
        QCOMPARE(s.rules.Car.Left(), -5960.f);
        QCOMPARE(s.rules.Hedgehog.Left(), -975.f);
        QCOMPARE(s.rules.Car.Top(), 4700.f);
    }

    void reopeningWhileOpenKeepsTheChaseGoing()
    {
        FrontSession s;
        input::click(s.menu.Help);
        s.clock.advance(10 * FrontSession::chasePeriod);
        input::switchTo(s.menu);
        QCOMPARE(s.app.activeForm(), &s.menu);

        input::click(s.menu.Help);
        QCOMPARE(s.app.activeForm(), &s.rules);
        QCOMPARE(s.rules.Car.Left(), -5600.f);
        s.clock.advance(FrontSession::chasePeriod);
        QCOMPARE(s.rules.Car.Left(), -5560.f);
    }

    void closingHandsBackToTheMenu_data()
    {
        QTest::addColumn<bool>("duringAGame");
        QTest::newRow("rules alone") << false;
        QTest::newRow("rules opened during a game") << true;
    }

    void closingHandsBackToTheMenu()
    {
        QFETCH(bool, duringAGame);

        FrontSession s;
        if (duringAGame)
            input::click(s.menu.NewGame);
        input::click(s.menu.Help);
        const platform::Timer *rulesTimer = &s.rules.Timer1;
        QVERIFY(rulesTimer->Enabled());

        input::close(s.rules);
        QVERIFY(s.boxes.shown().isEmpty()); // never asks
        QVERIFY(!s.rules.isLoaded());
        QVERIFY(!s.clock.isArmed(rulesTimer));
        QVERIFY(s.menu.isVisible());
        QCOMPARE(s.app.activeForm(), &s.menu);
        QVERIFY(s.menu.Timer1.Enabled());
        QVERIFY(s.menu.Timer2.Enabled());
        QCOMPARE(s.program.game.isVisible(), duringAGame);
        QVERIFY(!s.app.hasEnded());
    }

    void paragraphsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("the goal") << "Label2";
        QTest::newRow("the score") << "Label3";
        QTest::newRow("the timer") << "Label4";
        QTest::newRow("the keys") << "Label5";
        QTest::newRow("the levels") << "Label7";
    }

    void paragraphsFitTheirLabels()
    {
        QFETCH(QString, label);

        FrontSession s;
        platform::Label *paragraph = nullptr;
        for (platform::Label *candidate :
             {&s.rules.Label2, &s.rules.Label3, &s.rules.Label4, &s.rules.Label5, &s.rules.Label7}) {
            if (candidate->name() == label)
                paragraph = candidate;
        }
        QVERIFY(paragraph);
        QVERIFY(!paragraph->Caption().isEmpty());
        const QRect box = paragraph->pixelRect();
        // Tall enough to hold any number of lines, so the height says how many
        // the text needs.
        const QRect column(0, 0, box.width(), 100 * box.height());
        const QRect needed
            = QFontMetrics(paragraph->font())
                  .boundingRect(column, Qt::TextWordWrap | paragraph->layout().alignment, paragraph->Caption());
        QVERIFY2(needed.width() <= box.width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.width()).arg(box.width())));
        QVERIFY2(needed.height() <= box.height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.height()).arg(box.height())));
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
