// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/testing/inputdriver.h"

#include <QAccessible>
#include <QRandomGenerator>
#include <QTest>

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
        const auto pressS = [](GameRig &rig) { platform::testing::input::pressKey(rig.game(), Qt::Key_S); };
        QTest::newRow("S: the sound cues on, said")
            << Steps(pressS) << QStringList{} << "Sound cues on" << title.arg(0).arg(3);
        QTest::newRow("S twice: off again, said") << Steps([=](GameRig &rig) {
            pressS(rig);
            pressS(rig);
        }) << QStringList{} << "Sound cues off" << title.arg(0).arg(3);
        QTest::newRow("S with no sound device: said so") << Steps([=](GameRig &rig) {
            rig.sound.deviceOpens = false;
            pressS(rig);
        }) << QStringList{} << "No sound device" << title.arg(0).arg(3);
        QTest::newRow("a screen reader started during play: the cues on, said")
            << Steps([](GameRig &rig) { rig.app.setScreenReaderRunning(true); }) << QStringList{} << "Sound cues on"
            << title.arg(0).arg(3);
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

    // Whether a sound device is open, and how many lane voices sound.
    void soundFollowsPlay_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<bool>("deviceOpen");
        QTest::addColumn<int>("lanesSounding");

        using platform::testing::input::pressKey;
        const auto press = [](std::initializer_list<int> keys) {
            return [keys = std::vector<int>(keys)](GameRig &rig) {
                for (int key : keys)
                    pressKey(rig.game(), key);
                rig.clock.advance(500);
            };
        };
        QTest::newRow("off, the way a game starts: no device") << Steps(press({})) << false << 0;
        QTest::newRow("S on the bottom verge: a nearer and a farther lane") << Steps(press({Qt::Key_S})) << true << 2;
        // On a cleared road, S and then so many rows up.
        const auto climb = [](int rows) {
            return [rows](GameRig &rig) {
                rig.clearRoad();
                pressKey(rig.game(), Qt::Key_S);
                for (int i = 0; i < rows; ++i)
                    pressKey(rig.game(), Qt::Key_Up);
                rig.clock.advance(500);
            };
        };
        QTest::newRow("S in the red lane: that lane and the one ahead") << Steps(climb(1)) << true << 2;
        QTest::newRow("S in the blue lane: nothing ahead") << Steps(climb(4)) << true << 1;
        QTest::newRow("S on the top verge: nothing left to cross") << Steps(climb(5)) << true << 0;
        QTest::newRow("S, then hit: the lanes fall silent") << Steps([](GameRig &rig) {
            pressKey(rig.game(), Qt::Key_S);
            rig.game().Timer6.setEnabled(true);
            rig.clock.advance(100);
        }) << true << 0;
        QTest::newRow("S, then paused: closed") << Steps(press({Qt::Key_S, Qt::Key_P})) << false << 0;
        QTest::newRow("S, paused and resumed: open again")
            << Steps(press({Qt::Key_S, Qt::Key_P, Qt::Key_P})) << true << 2;
        QTest::newRow("S twice: closed") << Steps(press({Qt::Key_S, Qt::Key_S})) << false << 0;
        QTest::newRow("no sound device: S opens nothing") << Steps([=](GameRig &rig) {
            rig.sound.deviceOpens = false;
            press({Qt::Key_S})(rig);
        }) << false << 0;
        QTest::newRow("a screen reader: on without a key") << Steps([=](GameRig &rig) {
            rig.app.setScreenReaderRunning(true);
            press({})(rig);
        }) << true << 2;
        QTest::newRow("a screen reader, then S: off") << Steps([=](GameRig &rig) {
            rig.app.setScreenReaderRunning(true);
            press({Qt::Key_S})(rig);
        }) << false << 0;
        QTest::newRow("the screen reader stops: off") << Steps([=](GameRig &rig) {
            rig.app.setScreenReaderRunning(true);
            rig.app.setScreenReaderRunning(false);
            press({})(rig);
        }) << false << 0;
        QTest::newRow("game over, No: the window hidden, closed") << Steps([=](GameRig &rig) {
            pressKey(rig.game(), Qt::Key_S);
            rig.lastLife(-100);
            rig.boxes.answerMessage(platform::vbNo);
            rig.game().Timer6.setEnabled(true);
            rig.clock.advance(1000);
            QVERIFY(!rig.game().isVisible());
        }) << false << 0;
    }

    void soundFollowsPlay()
    {
        QFETCH(Steps, steps);
        QFETCH(bool, deviceOpen);
        QFETCH(int, lanesSounding);
        GameRig rig;
        steps(rig);
        QCOMPARE(rig.sound.started(), deviceOpen);
        QCOMPARE(int(std::count_if(rig.sound.voices.begin(), rig.sound.voices.end(),
                                   [](const platform::Voice &voice) { return voice.sounding; })),
                 lanesSounding);
        if (deviceOpen)
            QCOMPARE(rig.sound.programName, QStringLiteral("Quillway"));
    }

    // The sound only listens: the same keys at the same moments give the
    // same game, moment by moment, with the cues on (S) and off (another
    // key that does nothing, pressed when S is).
    void cuesOnlyListen()
    {
        const auto play = [](int firstKey) {
            GameRig rig;
            for (int i = 0; i < 6; ++i)
                rig.boxes.answerMessage(platform::vbYes);
            QStringList moments;
            QRandomGenerator random(31);
            constexpr int keys[]
                = {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_P};
            platform::testing::input::pressKey(rig.game(), firstKey);
            for (int step = 0; step < 6000; ++step) {
                if (step % 8 == 0)
                    platform::testing::input::pressKey(rig.game(), keys[random.bounded(int(std::size(keys)))]);
                rig.clock.advance(platform::Clock::resolutionMs);
                const game::QuillwayGame &g = rig.game();
                moments << QStringLiteral("%1|%2 %3 %4 %5 %6|%7 %8 %9|%10 %11|%12")
                               .arg(g.Caption())
                               .arg(g.Score)
                               .arg(g.Lives)
                               .arg(g.Level)
                               .arg(g.Paused)
                               .arg(g.DeathTicks)
                               .arg(g.Hog.Left())
                               .arg(g.Hog.Top())
                               .arg(g.Timer.Width())
                               .arg(g.RedCar1.Left())
                               .arg(g.BlueCar1.Left())
                               .arg(rig.boxes.shown().size());
            }
            return std::make_pair(moments, rig.sound.notes.size());
        };
        const auto [withCues, notes] = play(Qt::Key_S);
        const auto [without, silence] = play(Qt::Key_Space);
        QVERIFY2(notes > 20, "the cues were not on: nothing to compare");
        QCOMPARE(silence, std::size_t(0));
        QCOMPARE(withCues, without);
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
