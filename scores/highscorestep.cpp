// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "highscorestep.h"

#include <QCoreApplication>

namespace scores {

bool enterHighScore(const HighScoreStep &step, qint32 score)
{
    // Reading the files may load the window the boxes belong to again, which
    // resets the name it offers: the name is taken first.
    const QString offered = step.playerName;
    // Another copy of the game may have saved since this one started; what
    // this one could not save stays in.
    refreshTable(step.table, step.files, step.folder);
    if (!step.table.qualifies(score))
        return false;
    // The title's spelling is the one players have always seen.
    const QString typed
        = step.askName(QCoreApplication::translate("scores::HighScoreStep",
                                                   "Please enter your name for entry on the high score table."),
                       QCoreApplication::translate("scores::HighScoreStep", "You have acheived a high score"), offered);
    step.playerName = typed;
    // The name box holds no lock: the table is read again under the save's.
    return rereadEnterAndSave(step.table, step.files, step.folder, score, typed, step.fault);
}

} // namespace scores
