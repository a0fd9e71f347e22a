// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quillwaygame.h"

#include "platform/dialogs.h"

namespace game {

void QuillwayGame::Form_Unload(int &Cancel)
{
    // The question holds nothing back: the game, a death included, goes on
    // behind it until the player answers.
    if (MsgBox(tr("Are you sure you want to quit? Your current score will be lost!"), platform::vbYesNo,
               tr("Quit during a game?"))
        != platform::vbYes) {
        Cancel = 1;
        return;
    }
    // A death still running ends with the window, and so does the sound.
    stopTimers();
    soundCues.setInPlay(false);
    returnToMenu();
}

} // namespace game
