// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/testing/inputdriver.h"

#include <QAccessible>
#include <QtTest>

using Steps = std::function<void(GameRig &rig)>;
Q_DECLARE_METATYPE(Steps)

// A game as a screen reader follows it: the whole state can be read at any
// time, but only a new game, a life lost, a new level, the pause and its end
// and the end of the game are read out, never the score falling at every tick.
class TestScreenReader : public QObject
{
    Q_OBJECT
private slots:
    void told_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("status");
        QTest::addColumn<QString>("readOut"); // the latest announcement
        QTest::addColumn<QString>("name");    // what a screen reader calls the window

        constexpr int tick = 300; // of the countdown at level 1
        const QString start = QStringLiteral("Score: 0 - Lives: 3 - Level: 1");
        const QString title = QStringLiteral("Quillway - Game - Score: %1 - Lives: %2 - Level: 1");
        // The last life lost at -101, and Yes to "Play again?".
        const Steps playAgain = [](GameRig &rig) {
            rig.lastLife(-100);
            rig.clock.advance(tick);
            rig.boxes.answerMessage(platform::vbYes);
            rig.game().Timer6.setEnabled(true);
            while (rig.game().Timer6.Enabled())
                rig.clock.advance(platform::Clock::resolutionMs);
        };
        // Marks what was read out before, to show that nothing came after.
        const auto heardBefore = [](GameRig &rig) { rig.game().announce(QStringLiteral("before")); };
        QTest::newRow("a new game: the whole state read out, the window named for it")
            << Steps([](GameRig &) {}) << QStringList{} << start << title.arg(0).arg(3);
        QTest::newRow("first tick: the title written, nothing more read out")
            << Steps([](GameRig &rig) { rig.clock.advance(tick); })
            << QStringList{"Score: -1", "Lives: 3", "Level: 1", ""} << start << title.arg(-1).arg(3);
        QTest::newRow("more ticks: the score is there to read, not read out") << Steps([=](GameRig &rig) {
            rig.clock.advance(tick);
            heardBefore(rig);
            rig.clock.advance(10 * tick);
        }) << QStringList{"Score: -11", "Lives: 3", "Level: 1", ""} << "before"
                                                                              << title.arg(-11).arg(3);
        QTest::newRow("paused: read out and there to read") << Steps([=](GameRig &rig) {
            rig.clock.advance(tick);
            heardBefore(rig);
            platform::testing::input::pressKey(rig.game(), Qt::Key_P);
        }) << QStringList{"Score: -1", "Lives: 3", "Level: 1", "Paused"}
                                                            << "Paused" << title.arg(-1).arg(3) + " - Paused";
        QTest::newRow("resumed: read out") << Steps([=](GameRig &rig) {
            rig.clock.advance(tick);
            platform::testing::input::pressKey(rig.game(), Qt::Key_P);
            platform::testing::input::pressKey(rig.game(), Qt::Key_P);
        }) << QStringList{"Score: -1", "Lives: 3", "Level: 1", ""}
                                           << "Resumed" << title.arg(-1).arg(3);
        QTest::newRow("a crossing to level 2") << Steps([](GameRig &rig) {
            rig.clearRoad();
            rig.game().Score = 4501;
            rig.clock.advance(tick);
            rig.game().Hog.setTop(120);
            platform::testing::input::pressKey(rig.game(), Qt::Key_Up);
        }) << QStringList{"Score: 5500", "Lives: 3", "Level: 2", ""}
                                               << "Level: 2"
                                               << "Quillway - Game - Score: 5500 - Lives: 3 - Level: 2";
        QTest::newRow("a life lost, at the next tick") << Steps([](GameRig &rig) {
            rig.clearRoad();
            rig.clock.advance(tick);
            rig.game().Timer6.setEnabled(true);
            rig.clock.advance(1000);
        }) << QStringList{"Score: -2", "Lives: 2", "Level: 1", ""}
                                                       << "Lives: 2" << title.arg(-2).arg(2);
        QTest::newRow("game over") << Steps([](GameRig &rig) {
            rig.lastLife(-100);
            rig.clock.advance(tick);
            rig.game().Timer6.setEnabled(true);
            rig.clock.advance(1000);
        }) << QStringList{"Score: -101", "Lives: 1", "Level: 1", ""}
                                   << "Game over - Score: -101" << title.arg(-101).arg(1);
        // The title itself waits for the next tick, as it always has.
        QTest::newRow("play again: the new game read out, the window named for it before its title changes")
            << playAgain << QStringList{"Score: -101", "Lives: 1", "Level: 1", ""} << start << title.arg(0).arg(3);
        QTest::newRow("play again, a tick later: the title caught up, nothing read out twice")
            << Steps([=](GameRig &rig) {
                   playAgain(rig);
                   rig.clock.advance(tick);
               })
            << QStringList{"Score: -1", "Lives: 3", "Level: 1", ""} << start << title.arg(-1).arg(3);
    }

    void told()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, status);
        QFETCH(QString, readOut);
        QFETCH(QString, name);
        GameRig rig;
        steps(rig);
        QCOMPARE(rig.game().status(), status);
        QCOMPARE(rig.game().announcement(), readOut);
        QCOMPARE(QAccessible::queryAccessibleInterface(rig.game().widget())->text(QAccessible::Name), name);
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
