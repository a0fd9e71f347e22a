// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scorefiles.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace scores {

// What the high-score step at game over needs besides the final score.
struct HighScoreStep {
    HighScoreTable &table;
    // The name the prompt offers; it becomes whatever the player confirms
    // (empty when the prompt is cancelled).
    QString &playerName;
    // Asks for the name (prompt, title, the name offered) and returns the
    // answer: the window's input box in the game.
    std::function<QString(const QString &prompt, const QString &title, const QString &offered)> askName;
    TableFiles files;
    QString folder;
    storage::WriteFault fault = {};
};

// A final score that beats the fifth entry of the table, as its files hold it
// at game over with the entries this copy could not save still in it, asks
// for the player's name, takes its place in the table and is saved with the
// rest of the table (scores::rereadEnterAndSave). A save that fails is not the
// player's concern: the table in memory keeps the entry, through any later
// game over, until a load at the window's showing replaces it. Returns
// whether the score entered the table.
bool enterHighScore(const HighScoreStep &step, qint32 score);

} // namespace scores
