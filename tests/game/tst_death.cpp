// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "storage/folderlock.h"

#include <QDir>
#include <QTest>

namespace {
constexpr int tick = platform::Clock::resolutionMs; // the death timer's 1 ms, as the layer ticks it
using Kind = platform::testing::ScriptedDialogs::Kind;
} // namespace

// A death: the squashed hedgehog, a life taken, and the game over that the
// last life brings, with its two answers.
class TestDeath : public QObject
{
    Q_OBJECT

private slots:
    void deathSequence_data();
    void deathSequence();
    void reactivationMidSequenceTakesLifeOfNewGame();
    void gameOver_data();
    void gameOver();
    void closedUnderGameOverBoxStaysClosed_data();
    void closedUnderGameOverBoxStaysClosed();
    void secondHighScoreOffersNameTypedFirst();
    void withoutFolderScoresStayForTheRun();
};

void TestDeath::deathSequence_data()
{
    QTest::addColumn<int>("lives");
    QTest::addColumn<float>("hogTop");
    QTest::addColumn<float>("bar");
    QTest::addColumn<int>("enabledAgainAt"); // tick at which a second death is signalled; 0: none

    QTest::newRow("hit with 3 lives") << 3 << 4440.f << 7245.f << 0;
    QTest::newRow("hit with 2 lives") << 2 << 2280.f << 5000.f << 0;
    QTest::newRow("time-out leaves the bar short until the next life") << 3 << 5520.f << 45.f << 0;
    QTest::newRow("signalled again mid-sequence: not lengthened") << 3 << 4440.f << 7245.f << 12;
}

void TestDeath::deathSequence()
{
    QFETCH(int, lives);
    QFETCH(float, hogTop);
    QFETCH(float, bar);
    QFETCH(int, enabledAgainAt);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    rig.clearRoad();
    g.Lives = lives;
    g.Score = 1234;
    g.Hog.setTop(hogTop);
    g.Timer.setWidth(bar);
    g.Timer6.setEnabled(true);

    for (int n = 1; n <= 29; ++n) {
        rig.clock.advance(tick);
        if (n == enabledAgainAt)
            g.Timer6.setEnabled(true);
    }
    QCOMPARE(g.DeathTicks, 29);
    QVERIFY(g.HogDead.Visible());
    QVERIFY(!g.Hog.Visible());
    QCOMPARE(g.HogDead.Left(), 3360.f - 180);
    QCOMPARE(g.HogDead.Top(), hogTop - 120);
    QVERIFY(!g.Timer5.Enabled());
    QCOMPARE(g.Timer.Width(), bar);
    QCOMPARE(g.Lives, lives);

    rig.clock.advance(tick);
    QCOMPARE(g.DeathTicks, 0);
    QVERIFY(!g.Timer6.Enabled());
    QVERIFY(!g.HogDead.Visible());
    QVERIFY(g.Hog.Visible());
    QCOMPARE(g.Hog.Left(), 3360.f);
    QCOMPARE(g.Hog.Top(), 5520.f);
    QCOMPARE(g.Lives, lives - 1);
    QCOMPARE(g.Timer.Width(), 7245.f);
    QCOMPARE(g.Score, 1234);
    QVERIFY(g.Timer5.Enabled());
    QVERIFY(rig.boxes.shown().isEmpty());
}

// The new game set up meanwhile does not stop the death timer, so the
// sequence starts over from nought and costs the new game a life.
void TestDeath::reactivationMidSequenceTakesLifeOfNewGame()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    rig.clearRoad();
    g.Timer6.setEnabled(true);
    rig.clock.advance(20 * tick);
    rig.app.dispatch([&] { g.Form_Activate(); });
    QCOMPARE(g.DeathTicks, 0);
    rig.clock.advance(29 * tick);
    QCOMPARE(g.Lives, 3);
    rig.clock.advance(tick);
    QCOMPARE(g.Lives, 2);
}

void TestDeath::gameOver_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("openMs"); // how long each box stays open
    QTest::newRow("Yes: a new game in the same window") << platform::vbYes << 0;
    QTest::newRow("No: back to the menu") << platform::vbNo << 0;
    QTest::newRow("Yes after the boxes stood open 3 s") << platform::vbYes << 3000;
    QTest::newRow("No after the boxes stood open 3 s") << platform::vbNo << 3000;
}

void TestDeath::gameOver()
{
    QFETCH(int, answer);
    QFETCH(int, openMs);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    rig.lastLife(2950);
    g.Level = 4;
    g.Timer.setWidth(45);
    rig.boxes.acceptInputDefault(openMs);
    rig.boxes.answerMessage(answer, openMs);
    g.Timer6.setEnabled(true);
    rig.clock.advance(30 * tick);

    // The name box, then the question.
    QCOMPARE(rig.boxes.shown().size(), 2);
    QCOMPARE(rig.boxes.shown().at(0).kind, Kind::Input);
    const platform::testing::ScriptedDialogs::Box &question = rig.boxes.shown().at(1);
    QCOMPARE(question.prompt, QStringLiteral("Game over. Play again?"));
    QCOMPARE(question.title, QStringLiteral("Game Over"));
    QCOMPARE(question.buttons, platform::vbYesNo);
    QCOMPARE(g.HighScores.entry(1).score, scores::Slot(2950));
    QCOMPARE(g.HighScores.entry(1).name, QStringLiteral("Anonymous"));
    // The red cars (300 twips every 400 ms) went on behind the boxes, and
    // nothing put them back.
    QCOMPARE(g.RedCar1.Left(), 50000.f - 300 * ((30 * tick + 2 * openMs) / 400));
    QCOMPARE(g.Hog.Left(), 3360.f);
    QCOMPARE(g.Hog.Top(), 5520.f);
    QVERIFY(g.Hog.Visible());
    QVERIFY(!g.Timer6.Enabled());

    if (answer == platform::vbYes) {
        QVERIFY(g.isVisible());
        QCOMPARE(g.Score, 0);
        QCOMPARE(g.Level, 1);
        QCOMPARE(g.Lives, 3);
        QCOMPARE(g.Timer.Width(), 7245.f);
        QVERIFY(g.Timer5.Enabled());
        QVERIFY(g.Timer1.Enabled());
        QVERIFY(!rig.menu.isVisible());
        rig.clock.advance(300);
        QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: -1 - Lives: 3 - Level: 1"));
    } else {
        QVERIFY(!g.isVisible());
        QVERIFY(g.isLoaded());
        for (platform::Timer *t : {&g.Timer1, &g.Timer2, &g.Timer3, &g.Timer4, &g.Timer5})
            QVERIFY2(!t->Enabled(), qPrintable(t->name()));
        QVERIFY(rig.menu.isVisible());
        QVERIFY(rig.menu.Timer1.Enabled());
        QVERIFY(rig.menu.Timer2.Enabled());
        // The countdown stood still while the boxes were open.
        QCOMPARE(g.Score, 2950);
        QCOMPARE(g.Lives, 1);
        QCOMPARE(g.Timer.Width(), 45.f);
        // New Game shows the same window again, with a fresh game.
        rig.app.dispatch([&] { g.Show(); });
        QCOMPARE(g.Lives, 3);
        QCOMPARE(g.Score, 0);
        QVERIFY(g.Timer5.Enabled());
    }
    QVERIFY(!rig.app.hasEnded());
    QCOMPARE(rig.boxes.unexpected(), 0);
}

void TestDeath::closedUnderGameOverBoxStaysClosed_data()
{
    QTest::addColumn<int>("boxesBeforeClose"); // the close comes while the last of these is open
    QTest::addColumn<QString>("typed");        // null: the name offered is accepted
    QTest::newRow("closed under the name box") << 1 << QString();
    QTest::newRow("closed under the name box, Ann typed") << 1 << "Ann";
    QTest::newRow("closed under Play again?, answered Yes") << 2 << QString();
}

// A close the game window gets while its game-over boxes are open (a session
// ending) must not leave a game running unseen behind a hidden window, nor
// lose what the player typed or an entry an earlier save could not write,
// when the save loads the window again.
void TestDeath::closedUnderGameOverBoxStaysClosed()
{
    QFETCH(int, boxesBeforeClose);
    QFETCH(QString, typed);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    scores::PlainTableFiles files;
    QVERIFY(scores::saveTable(scores::HighScoreTable(), files.files(), rig.scores.path()));
    g.HighScores.enter(4000, QStringLiteral("Bo")); // not saved yet
    rig.lastLife(2950);
    if (typed.isNull())
        rig.boxes.acceptInputDefault(boxesBeforeClose == 1 ? 1000 : 0);
    else
        rig.boxes.answerInput(typed, 1000);
    if (boxesBeforeClose == 2)
        rig.boxes.answerMessage(platform::vbYes, 1000); // Play again?
    rig.boxes.answerMessage(platform::vbYes);           // Quit during a game?
    // Closes the game window once, while the box is open.
    platform::Timer closer(&rig.menu, QStringLiteral("Closer"), 100, true, [&] {
        if (rig.boxes.shown().size() == boxesBeforeClose && g.isLoaded())
            g.closeRequested();
    });
    rig.menu.Load();
    g.Timer6.setEnabled(true);
    const int lockWaits = storage::FolderLock::waits();
    rig.clock.advance(30 * tick + 3000);
    // The save's reading loads the window again, which reads the table under
    // the lock the save holds: it must not wait for its own lock.
    QCOMPARE(storage::FolderLock::waits(), lockWaits);

    QCOMPARE(rig.boxes.shown().size(), boxesBeforeClose + 1);
    QCOMPARE(rig.boxes.shown().last().title, QStringLiteral("Quit during a game?"));
    QVERIFY(!g.isLoaded());
    const scores::Entry entered{2950, typed.isNull() ? QStringLiteral("Anonymous") : typed};
    QCOMPARE(g.HighScores.entry(1), (scores::Entry{4000, QStringLiteral("Bo")}));
    QCOMPARE(g.HighScores.entry(2), entered);
    scores::HighScoreTable saved;
    QVERIFY(scores::loadTable(saved, files.files(), rig.scores.path()));
    QCOMPARE(saved.entries(), g.HighScores.entries());
    QVERIFY(rig.menu.isVisible());
    QCOMPARE(rig.boxes.unexpected(), 0);
}

void TestDeath::secondHighScoreOffersNameTypedFirst()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    for (const QString &name : {QStringLiteral("Zoë Ødegård"), QStringLiteral("Ann")}) {
        rig.lastLife(700);
        rig.boxes.answerInput(name);
        rig.boxes.answerMessage(platform::vbYes);
        g.Timer6.setEnabled(true);
        rig.clock.advance(30 * tick);
    }
    QCOMPARE(rig.boxes.shown().at(2).defaultText, QStringLiteral("Zoë Ødegård"));

    // What the files hold is what the next game reads.
    GameRig reader(rig.scores.path());
    QCOMPARE(reader.game().HighScores.entries(), g.HighScores.entries());
    QCOMPARE(reader.game().HighScores.entry(1).name, QStringLiteral("Ann"));
    QCOMPARE(reader.game().HighScores.entry(2).name, QStringLiteral("Zoë Ødegård"));
}

// No folder: nothing is said, and the table lives on in memory across games
// and reopenings, since every load fails and leaves it alone.
void TestDeath::withoutFolderScoresStayForTheRun()
{
    GameRig rig(QDir(QDir::tempPath()).filePath(QStringLiteral("quillway-no-such-folder")));
    game::QuillwayGame &g = rig.game();
    rig.lastLife(500);
    rig.boxes.answerInput(QStringLiteral("Kim"));
    rig.boxes.answerMessage(platform::vbNo);
    g.Timer6.setEnabled(true);
    rig.clock.advance(30 * tick);
    rig.app.dispatch([&] { g.Show(); });

    QCOMPARE(g.HighScores.entry(1).score, scores::Slot(500));
    QCOMPARE(g.HighScores.entry(1).name, QStringLiteral("Kim"));
    QCOMPARE(rig.boxes.shown().size(), 2);
    QVERIFY(!QDir(QDir(QDir::tempPath()).filePath(QStringLiteral("quillway-no-such-folder"))).exists());
}

QTEST_MAIN(TestDeath)
#include "tst_death.moc"
