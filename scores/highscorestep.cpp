// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "highscorestep.h"

#include "platform/dialogs.h"

namespace scores {

bool enterHighScore(const HighScoreStep &step, qint32 score)
{
    if (!step.table.qualifies(score))
        return false;
    const int rank = step.table.rankFor(score);
    // The title's spelling is the one players have always seen.
    step.playerName = step.dialogs.InputBox(QStringLiteral("Please enter your name for entry on the high score table."),
                                            QStringLiteral("You have acheived a high score"), step.playerName);
    step.table.insert(rank, score, step.playerName);
    saveTable(step.table, step.boxes, step.folder, step.fault);
    return true;
}

} // namespace scores
