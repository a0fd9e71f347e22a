// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quillwaygame.h"

#include "scores/highscorestep.h"

#include "platform/app.h"
#include "platform/dialogs.h"

namespace game {

namespace {

// The squashed hedgehog lies this many ticks; at the layer's 16 ms
// resolution that is about half a second.
constexpr int deathTicks = 30;
// Where the squashed picture lies relative to the hedgehog: centred across
// it, reaching a little above and more below.
constexpr float squashedLeft = -180;
constexpr float squashedTop = -120;

} // namespace

void QuillwayGame::Timer6_Timer()
{
    Timer5.setEnabled(false);
    HogDead.setVisible(true);
    HogDead.setLeft(Hog.Left() + squashedLeft);
    HogDead.setTop(Hog.Top() + squashedTop);
    Hog.setVisible(false);
    ++DeathTicks;
    if (DeathTicks == 1) {
        soundCues.hit();
        updateSound();
    }
    if (DeathTicks != deathTicks)
        return;

    Timer6.setEnabled(false);
    DeathTicks = 0;
    Timer5.setEnabled(true);
    HogDead.setVisible(false);
    hogToStart();
    Hog.setVisible(true);
    if (Lives > 1) {
        // The score stays; the title shows the life lost from the next
        // countdown tick.
        --Lives;
        Timer.setWidth(fullBar);
        updateSound();
    } else {
        gameOver();
    }
}

void QuillwayGame::gameOver()
{
    // The clock stays stopped while the player answers, so the score they
    // are asked about is the score they got. The lanes go on behind.
    Timer5.setEnabled(false);
    announce(tr("Game over - Score: %1").arg(Score));
    platform::Dialogs &dialogs = app().dialogs();
    const auto askName = [&dialogs](const QString &prompt, const QString &title, const QString &offered) {
        return dialogs.InputBox(prompt, title, offered);
    };
    scores::enterHighScore({HighScores, PlayerName, askName, tableFiles(), m_scoresFolder}, Score);
    // The window may be closed while a box is open (a session ending, say):
    // the close has stopped the game and brought the menu back. The save goes
    // through the window's boxes and so may have loaded it again, unseen and
    // with its traffic running; it is closed again, and nothing more is asked.
    if (!isVisible()) {
        Unload();
        return;
    }
    const int again = MsgBox(tr("Game over. Play again?"), platform::vbYesNo, tr("Game Over"));
    if (!isVisible()) {
        Unload();
        return;
    }
    if (again == platform::vbYes) {
        // A new game in the same window: the traffic goes on where it is,
        // and the name typed last is offered again.
        hogToStart();
        Score = 0;
        Level = 1;
        Lives = 3;
        Timer.setWidth(fullBar);
        Timer5.setEnabled(true);
        tellNewGame();
    } else {
        // The window is only hidden: New Game brings it back and sets up a
        // fresh game there.
        stopTimers();
        Hide();
        updateSound();
        returnToMenu();
    }
}

} // namespace game
