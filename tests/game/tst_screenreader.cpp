// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/player.h"

#include <QtTest>

using Steps = std::function<void(GameRig &rig)>;
Q_DECLARE_METATYPE(Steps)

// A game as a screen reader follows it: the whole state can be read at any
// time, but only a life lost, a new level and the end are read out, never the
// score falling at every tick.
class TestScreenReader : public QObject
{
    Q_OBJECT
private slots:
    void told_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("status");
        QTest::addColumn<QString>("readOut"); // the latest announcement

        constexpr int tick = 300; // of the countdown at level 1
        const QString start = QStringLiteral("Lives: 3 - Level: 1");
        // Marks what was read out before, to show that nothing came after.
        const auto heardBefore = [](GameRig &rig) { rig.game().announce(QStringLiteral("before")); };
        QTest::newRow("first tick: the whole state") << Steps([](GameRig &rig) { rig.clock.advance(tick); })
                                                     << QStringList{"Score: -1", "Lives: 3", "Level: 1", ""} << start;
        QTest::newRow("more ticks: the score is there to read, not read out")
            << Steps([=](GameRig &rig) {
                   rig.clock.advance(tick);
                   heardBefore(rig);
                   rig.clock.advance(10 * tick);
               })
            << QStringList{"Score: -11", "Lives: 3", "Level: 1", ""} << "before";
        QTest::newRow("paused: there to read") << Steps([=](GameRig &rig) {
            rig.clock.advance(tick);
            heardBefore(rig);
            platform::player::pressKey(rig.game(), Qt::Key_P);
        }) << QStringList{"Score: -1", "Lives: 3", "Level: 1", "Paused"} << "before";
        QTest::newRow("a crossing to level 2") << Steps([](GameRig &rig) {
            rig.clearRoad();
            rig.game().Score = 4501;
            rig.clock.advance(tick);
            rig.game().Hog.setTop(120);
            platform::player::pressKey(rig.game(), Qt::Key_Up);
        }) << QStringList{"Score: 5500", "Lives: 3", "Level: 2", ""} << "Level: 2";
        QTest::newRow("a life lost, at the next tick") << Steps([](GameRig &rig) {
            rig.clearRoad();
            rig.clock.advance(tick);
            rig.game().Timer6.setEnabled(true);
            rig.clock.advance(1000);
        }) << QStringList{"Score: -2", "Lives: 2", "Level: 1", ""} << "Lives: 2";
        QTest::newRow("game over") << Steps([](GameRig &rig) {
            rig.lastLife(-100);
            rig.clock.advance(tick);
            rig.game().Timer6.setEnabled(true);
            rig.clock.advance(1000);
        }) << QStringList{"Score: -101", "Lives: 1", "Level: 1", ""}
           << "Game over - Score: -101";
    }

    void told()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, status);
        QFETCH(QString, readOut);
        GameRig rig;
        steps(rig);
        QCOMPARE(rig.game().status(), status);
        QCOMPARE(rig.game().announcement(), readOut);
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
