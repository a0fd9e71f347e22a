// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/testing/inputdriver.h"

#include <QDir>
#include <QTest>

namespace input = platform::testing::input;

namespace {
constexpr int deathMs = 30 * platform::Clock::resolutionMs;

// The files a save writes: not the lock file, which every load may make.
QStringList filesIn(const QString &folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.removeOne(QStringLiteral(".lock"));
    return files;
}
} // namespace

// Closing the game window: the question, and what each answer leaves.
class TestLeaving : public QObject
{
    Q_OBJECT

private slots:
    void leave_data();
    void leave();
    void nextGameStartsFromTheLayout();
    void gameOverWhileTheQuestionIsOpen_data();
    void gameOverWhileTheQuestionIsOpen();
};

void TestLeaving::leave_data()
{
    QTest::addColumn<QString>("state"); // "playing", "paused" or "dying"
    QTest::addColumn<int>("answer");

    for (const char *state : {"playing", "paused", "dying"}) {
        QTest::addRow("%s, Yes", state) << QString::fromLatin1(state) << platform::vbYes;
        QTest::addRow("%s, No", state) << QString::fromLatin1(state) << platform::vbNo;
    }
}

void TestLeaving::leave()
{
    QFETCH(QString, state);
    QFETCH(int, answer);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    rig.clearRoad();
    g.Score = 4321;
    if (state == QLatin1String("paused"))
        input::pressKey(g, Qt::Key_P);
    if (state == QLatin1String("dying"))
        g.Timer6.setEnabled(true);
    const float orangeCar = g.OrangeCar1.Left();

    // The question stands open for 2 s; whatever runs goes on behind it.
    rig.boxes.answerMessage(answer, 2000);
    input::close(g);

    QCOMPARE(rig.boxes.shown().size(), 1);
    QCOMPARE(rig.boxes.shown().constFirst().prompt,
             QStringLiteral("Are you sure you want to quit? Your current score will be lost!"));
    QCOMPARE(rig.boxes.shown().constFirst().title, QStringLiteral("Quit during a game?"));
    QCOMPARE(rig.boxes.shown().constFirst().buttons, platform::vbYesNo);
    QCOMPARE(g.Score < 4321, state != QLatin1String("paused"));
    QCOMPARE(g.Lives, state == QLatin1String("dying") ? 2 : 3);
    QVERIFY(filesIn(rig.scores.path()).isEmpty());

    if (answer == platform::vbYes) {
        QVERIFY(!g.isLoaded()); // before anything reaches into the window and loads it again
        QVERIFY(rig.menu.isVisible());
        QCOMPARE(rig.app.activeForm(), &rig.menu);
        QVERIFY(rig.menu.Timer1.Enabled());
        QVERIFY(rig.menu.Timer2.Enabled());
        QVERIFY(!rig.app.hasEnded());
    } else {
        QVERIFY(g.isVisible());
        QCOMPARE(g.OrangeCar1.Left() != orangeCar, state != QLatin1String("paused"));
        QCOMPARE(g.Paused, state == QLatin1String("paused") ? 1 : 0);
        QCOMPARE(g.Timer1.Enabled(), state != QLatin1String("paused"));
        QVERIFY(!rig.menu.isVisible());
        // A paused game stays paused: the arrows still do nothing.
        const float top = g.Hog.Top();
        input::pressKey(g, Qt::Key_Up);
        QCOMPARE(g.Hog.Top() < top, state != QLatin1String("paused"));
    }
}

// After a Yes the window is gone; the next New Game builds it again from its
// layout, while the round's variables wait for the new game's set-up.
void TestLeaving::nextGameStartsFromTheLayout()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    g.Level = 7;
    rig.clock.advance(5000);
    rig.boxes.answerMessage(platform::vbYes);
    input::close(g);
    QCOMPARE(g.Level, 7);

    rig.app.dispatch([&] { g.Show(); });
    QCOMPARE(g.RedCar1.Left(), 1095.f);
    QCOMPARE(g.Lorry3.Left(), 9120.f);
    QCOMPARE(g.BlueCar3.Left(), -3720.f);
    QCOMPARE(g.Timer5.Interval(), 300);
    QVERIFY(!g.Timer6.Enabled());
    QCOMPARE(g.Level, 1);
}

void TestLeaving::gameOverWhileTheQuestionIsOpen_data()
{
    QTest::addColumn<int>("playAgain");
    QTest::addColumn<int>("leave");
    for (const int again : {platform::vbYes, platform::vbNo}) {
        for (const int leave : {platform::vbYes, platform::vbNo}) {
            QTest::addRow("play again %s, then leave %s", again == platform::vbYes ? "Yes" : "No",
                          leave == platform::vbYes ? "Yes" : "No")
                << again << leave;
        }
    }
}

// The last death ends the game behind the question: the game-over boxes open
// over it and are answered first.
void TestLeaving::gameOverWhileTheQuestionIsOpen()
{
    QFETCH(int, playAgain);
    QFETCH(int, leave);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    rig.lastLife(800);
    g.Timer6.setEnabled(true);
    rig.boxes.answerMessage(leave, deathMs + 100);
    rig.boxes.answerInput(QStringLiteral("Lee"));
    rig.boxes.answerMessage(playAgain);
    input::close(g);

    QCOMPARE(rig.boxes.shown().size(), 3);
    QCOMPARE(rig.boxes.unexpected(), 0);
    QVERIFY(!rig.app.hasEnded());
    QCOMPARE(rig.app.activeForm() == &rig.menu, playAgain == platform::vbNo || leave == platform::vbYes);
    QVERIFY(rig.menu.isVisible() || g.isVisible());
    QCOMPARE(g.isVisible(), playAgain == platform::vbYes && leave == platform::vbNo);
    QCOMPARE(g.isLoaded(), leave == platform::vbNo);
    if (g.isVisible())
        QVERIFY(g.Timer5.Enabled());
    else if (g.isLoaded())
        QVERIFY(!g.Timer1.Enabled() && !g.Timer5.Enabled());
    QCOMPARE(rig.menu.Timer1.Enabled(), !g.isVisible());

    // Saved once, and the next game reads it.
    QCOMPARE(filesIn(rig.scores.path()).size(), 10);
    GameRig reader(rig.scores.path());
    QCOMPARE(reader.game().HighScores.entry(1).name, QStringLiteral("Lee"));
}

QTEST_MAIN(TestLeaving)
#include "tst_leaving.moc"
