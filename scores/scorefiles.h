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
// folder yet, a file missing or damaged) and is not reported beyond the
// result: the table then stays exactly as it was. Returns whether the table
// was replaced.
bool loadTable(HighScoreTable &table, const TableBoxes &boxes, const QString &folder);

// Writes the whole table to the ten files of `folder` through `boxes`, as one
// set: every file is first written in full beside its target, and only when
// all ten are written and none of the targets is in the way (a folder where a
// file should be) are they renamed into place, scores first. So a full disk,
// a read-only folder or a file in the way leaves all ten old files exactly as
// they were; only a rename failing after those checks leaves the files
// renamed before it with the new table. Returns whether all ten were replaced.
// `fault` lets tests refuse writes.
bool saveTable(const HighScoreTable &table, const TableBoxes &boxes, const QString &folder,
               const platform::WriteFault &fault = {});

} // namespace scores
