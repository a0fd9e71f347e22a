// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "highscoretable.h"

#include "storage/fileset.h"

#include <QString>

#include <array>

namespace scores {

// One of the ten files as its caller carries it: a rich-text box of the game
// window (game/ supplies those), or PlainTableFile below. load and save raise
// storage::RuntimeError when the file cannot be read or written, or is not
// RTF; a load that fails leaves the text as it was.
class TableFile
{
public:
    virtual ~TableFile() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void load(const QString &path) = 0;
    // Writes the text as one file of a set replaced as a whole on commit.
    virtual void save(const QString &path, storage::FileSet &set) = 0;
};

// A table file that is its text and nothing more, read and written as a
// rich-text document (storage/document.h): for a program with no window.
class PlainTableFile final : public TableFile
{
public:
    QString text() const override { return m_text; }
    void setText(const QString &text) override { m_text = text; }
    void load(const QString &path) override;
    void save(const QString &path, storage::FileSet &set) override;

private:
    QString m_text;
};

// The ten files as their caller carries them (the game, its window's boxes):
// scores[k] is the file of entry k + 1's score, names[k] that of its name.
struct TableFiles {
    std::array<TableFile *, tableSize> scores{};
    std::array<TableFile *, tableSize> names{};
};

// Ten plain table files: the table's files for a program with no window.
class PlainTableFiles final
{
public:
    PlainTableFiles();
    PlainTableFiles(const PlainTableFiles &) = delete;
    PlainTableFiles &operator=(const PlainTableFiles &) = delete;

    const TableFiles &files() const { return m_files; }

private:
    std::array<PlainTableFile, tableSize> m_scores;
    std::array<PlainTableFile, tableSize> m_names;
    TableFiles m_files;
};

// Where the table lives unless told otherwise. The program never creates this
// folder; without it every load fails and the table stays in memory only.
QString defaultFolder();

// rank is 1 to 5.
QString scoreFilePath(const QString &folder, int rank);
QString nameFilePath(const QString &folder, int rank);

// Loads the ten files of `folder` through `files` (the five score files, then
// the five name files) and, only when every file loaded and every score file
// holds a score, replaces the whole table with them. A failure is expected (no
// folder yet, a file missing or damaged, another copy of the game saving for
// longer than a few seconds) and is not reported beyond the result: the table
// then stays exactly as it was. Returns whether the table was replaced.
bool loadTable(HighScoreTable &table, const TableFiles &files, const QString &folder);

// Reads the table again as loadTable does, for what another copy of the game
// has saved meanwhile, but keeps the entries this copy could not save
// (HighScoreTable::takeFresher): with one copy running, the table is left
// exactly as it was. Returns whether the files could be read.
bool refreshTable(HighScoreTable &table, const TableFiles &files, const QString &folder);

// Writes the whole table to the ten files of `folder` through `files`, as one
// set (storage::FileSet): after a failure, a kill or a power cut at any
// moment the folder holds either the whole old table or the whole new one.
// Returns whether the new one is in place. `fault` lets tests refuse steps.
bool saveTable(const HighScoreTable &table, const TableFiles &files, const QString &folder,
               const storage::WriteFault &fault = {});

// Reads the table again, enters `score` under `name` into it unless it no
// longer earns a place, and saves the result: the table as the files hold it
// at this moment (refreshTable), so that an entry another copy of the game
// saved meanwhile is kept; all under the folder's lock. An
// entry whose save fails stays in the table as one not saved yet. A set that
// cannot be read is first kept aside (storage::keepAside), never destroyed.
// When the files cannot be read or locked, the entry goes into the table in
// memory. `score` and `name` are taken as they are at the call, whatever
// reading the files does to where they came from (a window's variables).
// Returns whether the score entered the table: it may no longer beat the
// fifth entry of the fresher one.
bool rereadEnterAndSave(HighScoreTable &table, const TableFiles &files, const QString &folder, qint32 score,
                        QString name, const storage::WriteFault &fault = {});

} // namespace scores
