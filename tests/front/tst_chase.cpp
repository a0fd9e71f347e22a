// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontsession.h"

#include "platform/testing/inputdriver.h"

#include <QTest>

// Where the chase turns round, on both windows that run it.
class TestChase : public QObject
{
    Q_OBJECT

private slots:
    void turnsRoundAt5000_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<float>("carBefore");
        QTest::addColumn<float>("carAfter");
        QTest::addColumn<float>("hedgehogAfter");

        // The hedgehog starts each case at 3000.
        for (const char *window : {"MainMenu", "Rules"}) {
            QTest::addRow("%s: car reaching 4999 drives on", window) << window << 4959.f << 4999.f << 3025.f;
            QTest::addRow("%s: car reaching 5000 starts over", window) << window << 4960.f << -6000.f << -1000.f;
            QTest::addRow("%s: car already past 5000 starts over", window) << window << 5100.f << -6000.f << -1000.f;
        }
    }

    void turnsRoundAt5000()
    {
        QFETCH(QString, window);
        QFETCH(float, carBefore);
        QFETCH(float, carAfter);
        QFETCH(float, hedgehogAfter);

        FrontSession s;
        platform::Image *car = &s.menu.Car;
        platform::Image *hedgehog = &s.menu.Hedgehog;
        if (window == QLatin1String("Rules")) {
            // The menu's timers stop, so only the rules' chase ticks.
            platform::testing::input::click(s.menu.Help);
            car = &s.rules.Car;
            hedgehog = &s.rules.Hedgehog;
        }
        car->setLeft(carBefore);
        hedgehog->setLeft(3000);

        s.clock.advance(FrontSession::chasePeriod);
        QCOMPARE(car->Left(), carAfter);
        QCOMPARE(hedgehog->Left(), hedgehogAfter);
    }
};

QTEST_MAIN(TestChase)
#include "tst_chase.moc"
