// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorefiles.h"

#include "storage/document.h"
#include "storage/folderlock.h"
#include "storage/keepaside.h"
#include "storage/runtimeerror.h"

#include <QStandardPaths>

namespace scores {

void PlainTableFile::load(const QString &path)
{
    m_text = storage::loadDocument(path);
}

void PlainTableFile::save(const QString &path, storage::FileSet &set)
{
    storage::saveDocument(path, m_text, set);
}

PlainTableFiles::PlainTableFiles()
{
    for (std::size_t k = 0; k < std::size_t(tableSize); ++k) {
        m_files.scores[k] = &m_scores[k];
        m_files.names[k] = &m_names[k];
    }
}

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quillway/data");
}

QString scoreFilePath(const QString &folder, int rank)
{
    return folder + QStringLiteral("/score%1.dat").arg(rank);
}

QString nameFilePath(const QString &folder, int rank)
{
    return folder + QStringLiteral("/name%1.dat").arg(rank);
}

namespace {

QStringList fileNames()
{
    QStringList names;
    for (int rank = 1; rank <= tableSize; ++rank)
        names << QStringLiteral("score%1.dat").arg(rank);
    for (int rank = 1; rank <= tableSize; ++rank)
        names << QStringLiteral("name%1.dat").arg(rank);
    return names;
}

// The table the files hold, read without the lock, for callers that hold it.
std::optional<Entries> readTable(const TableFiles &files, const QString &folder)
{
    Entries loaded;
    try {
        // Every file is loaded before any text is read, so that a file missing
        // half-way never leaves a table mixed from old and new entries.
        for (int rank = 1; rank <= tableSize; ++rank)
            files.scores[std::size_t(rank - 1)]->load(scoreFilePath(folder, rank));
        for (int rank = 1; rank <= tableSize; ++rank)
            files.names[std::size_t(rank - 1)]->load(nameFilePath(folder, rank));

        // A damaged score file fails the whole load, for the same reason: all
        // five are checked before anything changes.
        for (std::size_t k = 0; k < loaded.size(); ++k) {
            const std::optional<Slot> score = parseScore(files.scores[k]->text());
            if (!score)
                return std::nullopt;
            loaded[k].score = *score;
            loaded[k].name = files.names[k]->text();
        }
    } catch (const storage::RuntimeError &) {
        return std::nullopt;
    }
    return loaded;
}

bool writeTable(const HighScoreTable &table, const TableFiles &files, const QString &folder,
                const storage::WriteFault &fault)
{
    try {
        for (std::size_t k = 0; k < std::size_t(tableSize); ++k) {
            files.scores[k]->setText(scoreText(table.entries()[k].score));
            files.names[k]->setText(table.entries()[k].name);
        }
        storage::FileSet set(folder, fault);
        for (int rank = 1; rank <= tableSize; ++rank)
            files.scores[std::size_t(rank - 1)]->save(scoreFilePath(folder, rank), set);
        for (int rank = 1; rank <= tableSize; ++rank)
            files.names[std::size_t(rank - 1)]->save(nameFilePath(folder, rank), set);
        set.commit();
    } catch (const storage::RuntimeError &) {
        return false;
    }
    return true;
}

std::optional<Entries> readShared(const TableFiles &files, const QString &folder)
{
    const storage::FolderLock lock(folder, storage::FolderLock::Mode::Shared);
    return lock.held() ? readTable(files, folder) : std::nullopt;
}

// Reads the files through `files` with `read` and takes what they hold into
// `table` with the entries it has not saved. Boxes may belong to a window
// that reading loads again, and whose loading reloads `table` from the
// files, forgetting what was not saved: the table is taken before the read
// and put back after it.
template<typename Read>
std::optional<Entries> reread(HighScoreTable &table, const Read &read)
{
    const HighScoreTable before = table;
    const std::optional<Entries> loaded = read();
    table = before;
    if (loaded)
        table.takeFresher(*loaded);
    return loaded;
}

} // namespace

bool loadTable(HighScoreTable &table, const TableFiles &files, const QString &folder)
{
    const std::optional<Entries> loaded = readShared(files, folder);
    if (loaded)
        table.replaceAll(*loaded);
    return loaded.has_value();
}

bool refreshTable(HighScoreTable &table, const TableFiles &files, const QString &folder)
{
    return reread(table, [&] { return readShared(files, folder); }).has_value();
}

bool saveTable(const HighScoreTable &table, const TableFiles &files, const QString &folder,
               const storage::WriteFault &fault)
{
    const storage::FolderLock lock(folder, storage::FolderLock::Mode::Exclusive);
    return lock.held() && writeTable(table, files, folder, fault);
}

bool rereadEnterAndSave(HighScoreTable &table, const TableFiles &files, const QString &folder, qint32 score,
                        QString name, const storage::WriteFault &fault)
{
    const storage::FolderLock lock(folder, storage::FolderLock::Mode::Exclusive);
    const std::optional<Entries> loaded
        = reread(table, [&] { return lock.held() ? readTable(files, folder) : std::nullopt; });
    if (!table.qualifies(score))
        return false;
    table.enter(score, name);
    // Files that did not load may still hold good entries for a person to
    // recover: they are kept, or not replaced.
    if (lock.held() && (loaded || storage::keepAside(folder, fileNames())) && writeTable(table, files, folder, fault))
        table.markSaved();
    return true;
}

} // namespace scores
