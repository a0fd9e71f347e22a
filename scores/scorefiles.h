// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "highscoretable.h"

#include "platform/fileset.h"

#include <QString>

#include <array>

namespace platform {
class RichTextBox;
}

namespace scores {

// The rich-text boxes of the game window that carry the ten files: scores[k]
// carries the file of entry k + 1's score, names[k] that of its name.
struct TableBoxes {
    std::array<platform::RichTextBox *, tableSize> scores{};
    std::array<platform::RichTextBox *, tableSize> names{};
};

// Where the table lives unless told otherwise. The program never creates this
// folder; without it every load fails and the table stays in memory only.
QString defaultFolder();

// rank is 1 to 5.
QString scoreFilePath(const QString &folder, int rank);
QString nameFilePath(const QString &folder, int rank);

// Loads the ten files of `folder` through `boxes` (the five score files, then
// the five name files) and, only when every file loaded and every score file
// holds a score, replaces the whole table with them. A failure is expected (no
// folder yet, a file missing or damaged, another copy of the game saving for
// longer than a few seconds) and is not reported beyond the result: the table
// then stays exactly as it was. Returns whether the table was replaced.
bool loadTable(HighScoreTable &table, const TableBoxes &boxes, const QString &folder);

// Reads the table again as loadTable does, for what another copy of the game
// has saved meanwhile, but keeps the entries this copy could not save
// (HighScoreTable::takeFresher): with one copy running, the table is left
// exactly as it was. Returns whether the files could be read.
bool refreshTable(HighScoreTable &table, const TableBoxes &boxes, const QString &folder);

// Writes the whole table to the ten files of `folder` through `boxes`, as one
// set (platform::FileSet): after a failure, a kill or a power cut at any
// moment the folder holds either the whole old table or the whole new one.
// Returns whether the new one is in place. `fault` lets tests refuse steps.
bool saveTable(const HighScoreTable &table, const TableBoxes &boxes, const QString &folder,
               const platform::WriteFault &fault = {});

// Enters `score` under `name` into the table as the files hold it at this
// moment (refreshTable), so that an entry another copy of the game saved
// meanwhile is kept, and saves the result; all under the folder's lock. An
// entry whose save fails stays in the table as one not saved yet. A set that
// cannot be read is first kept aside (platform::keepAside), never destroyed.
// When the files cannot be read or locked, the entry goes into the table in
// memory.
// Returns whether the score entered the table: it may no longer beat the
// fifth entry of the fresher one.
bool saveEntry(HighScoreTable &table, const TableBoxes &boxes, const QString &folder, qint32 score,
               const QString &name, const platform::WriteFault &fault = {});

} // namespace scores
