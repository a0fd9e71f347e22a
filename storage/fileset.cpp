// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileset.h"

#include "posixfile.h"
#include "runtimeerror.h"
#include "smallfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace storage {

using namespace posix;

namespace {

// Hidden names beside the set's files.
const QString recordName = QStringLiteral(".commit");
const QString undoName = QStringLiteral(".undo");
constexpr char recordEnd[] = "end";
// A record names a handful of files; anything longer is not one.
constexpr qint64 maxRecordSize = 4096;

QString newName(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".new");
}

QString oldName(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".old");
}

// A hidden name beside `file`, in the folder it lies in. A file of the set
// that is a link is resolved() first; a link that names nothing stays itself
// and is then refused as a target.
QString beside(const QString &file, QString (*hidden)(const QString &))
{
    const QFileInfo info(file);
    return info.dir().filePath(hidden(info.fileName()));
}

// The error of a link() that the disk refuses for want of hard links: FAT and
// exFAT, some network shares, a link across file systems.
bool noHardLinks(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == EXDEV || error == EMLINK
        || error == ENOSYS;
}

// Gives the old file `file` the second name `old` to undo with: a hard link,
// or where the disk has none, a copy written in full and flushed, so that a
// kill at any moment leaves the file itself as it was.
bool keepOld(const QString &file, const QString &old, const Refused &refused)
{
    if (!refused(SaveStep::Link)) {
        if (::link(native(file).constData(), native(old).constData()) == 0)
            return true;
        if (!noHardLinks(errno))
            return false;
    }
    return copyFile(file, old, refused);
}

// What a record says of one file of the set: whether it had an old file.
struct RecordLine {
    bool hadOld;
    QString fileName;
};

// The record's lines, or nothing when it is not a whole record of this
// folder's files.
std::optional<std::vector<RecordLine>> readRecord(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = readSmallFile(path, maxRecordSize);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || lines.takeLast() != "" || lines.takeLast() != recordEnd)
        return std::nullopt;
    std::vector<RecordLine> record;
    for (const QByteArray &line : lines) {
        const QString fileName = QFile::decodeName(line.mid(4));
        // Only plain names of this folder: a planted record moves nothing
        // elsewhere.
        if (!(line.startsWith("old ") || line.startsWith("new ")) || fileName.isEmpty()
            || fileName.startsWith(QLatin1Char('.')) || fileName.contains(QLatin1Char('/')))
            return std::nullopt;
        record.push_back({line.startsWith("old "), fileName});
    }
    return record;
}

} // namespace

bool saveUnfinished(const QString &folder)
{
    const QDir dir(folder);
    return exists(dir.filePath(recordName)) || exists(dir.filePath(undoName));
}

bool finishSave(const QString &folderPath)
{
    const QDir folder(folderPath);
    const bool undoing = exists(folder.filePath(undoName));
    const QString recordPath = folder.filePath(undoing ? undoName : recordName);
    if (!undoing && !exists(recordPath))
        return true;
    const std::optional<std::vector<RecordLine>> record = readRecord(recordPath);
    if (record) {
        QSet<QString> folders{folder.path()};
        for (const RecordLine &line : *record) {
            const QString target = resolved(folder.filePath(line.fileName));
            const QString fresh = beside(target, newName);
            const QString old = beside(target, oldName);
            folders << QFileInfo(target).path();
            if (!undoing) {
                if (exists(fresh) && !renameFile(fresh, target))
                    return false;
            } else if (line.hadOld) {
                // Where the new file was never renamed, both names are one
                // file and the rename does nothing; the removal below ends it.
                if (exists(old) && !renameFile(old, target))
                    return false;
            } else {
                removeFile(target);
            }
        }
        for (const QString &touched : std::as_const(folders)) {
            if (!syncFolder(touched))
                return false;
        }
        for (const RecordLine &line : *record) {
            const QString target = resolved(folder.filePath(line.fileName));
            removeFile(beside(target, newName));
            removeFile(beside(target, oldName));
        }
    }
    // A record that is not whole never passed the commit: its set is
    // discarded by the next save, and the old files were never touched.
    removeFile(recordPath);
    return syncFolder(folder.path());
}

FileSet::FileSet(const QString &folder, WriteFault fault)
    : m_folder(folder)
    , m_fault(std::move(fault))
{
}

FileSet::~FileSet()
{
    // A set that was not committed leaves nothing of its own behind.
    if (!m_recorded) {
        for (const QString &target : std::as_const(m_targets)) {
            removeFile(beside(target, newName));
            removeFile(beside(target, oldName));
        }
    }
}

bool FileSet::refused(SaveStep step, const QString &path) const
{
    return m_fault && m_fault(step, path);
}

void FileSet::write(const QString &path, const QByteArray &bytes)
{
    const QDir dir(m_folder);
    const QString name = QFileInfo(path).fileName(); // of this folder

    // What a killed save left under these names, a link planted there
    // included, goes first: the new file is created afresh.
    for (const QString &stale : QDir(m_folder, QLatin1Char('.') + name + QStringLiteral(".*"), QDir::NoSort,
                                     QDir::Files | QDir::System | QDir::Hidden)
                                    .entryList())
        removeFile(dir.filePath(stale));
    // A file that is a link is replaced where it lies, its new file beside it.
    const QString target = resolved(dir.filePath(name));
    removeFile(beside(target, newName));
    removeFile(beside(target, oldName));

    // Whoever could read the old file can read the new one.
    struct stat old;
    const int mode = ::stat(native(path).constData(), &old) == 0 ? int(old.st_mode & 07777) : -1;
    m_names << name;
    m_targets << target;
    if (!writeNewFile(beside(target, newName), bytes, mode, [&](SaveStep step) { return refused(step, path); })) {
        if (!dir.exists())
            raiseFileError(path);
        raiseAccessError();
    }
}

void FileSet::commit()
{
    const QByteArray record = keepOldFiles();
    writeRecord(record);
    if (renameIntoPlace())
        syncAndClean();
}

QSet<QString> FileSet::foldersElsewhere() const
{
    QSet<QString> folders;
    for (const QString &target : m_targets)
        folders << QFileInfo(target).path();
    folders.remove(QFileInfo(QDir(m_folder).filePath(recordName)).path());
    return folders;
}

QByteArray FileSet::keepOldFiles()
{
    QByteArray record;
    for (qsizetype k = 0; k < m_names.size(); ++k) {
        struct stat st;
        const QString &target = m_targets.at(k);
        const bool hadOld = ::lstat(native(target).constData(), &st) == 0;
        // A folder in the way cannot be replaced, and a file the player made
        // read-only is not to be, whoever runs the game; nor a link that
        // names nothing.
        if (hadOld && (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR)))
            raiseAccessError();
        if (hadOld && !keepOld(target, beside(target, oldName), [&](SaveStep step) { return refused(step, target); }))
            raiseAccessError();
        record += (hadOld ? "old " : "new ") + QFile::encodeName(m_names.at(k)) + '\n';
    }
    record += QByteArray(recordEnd) + '\n';
    // The second names and new files in folders that links lead to are on
    // the disk before the record makes the set go in.
    for (const QString &elsewhere : foldersElsewhere()) {
        if (!syncFolder(elsewhere))
            raiseAccessError();
    }
    return record;
}

void FileSet::writeRecord(const QByteArray &record)
{
    // The commit: once the record stands under its name, the set goes in
    // whatever happens to this process.
    const QDir dir(m_folder);
    const QString recordPath = dir.filePath(recordName);
    const QString recordTemporary = dir.filePath(newName(recordName.mid(1)));
    removeFile(recordTemporary);
    if (refused(SaveStep::Record, recordPath) || !writeNewFile(recordTemporary, record, -1, nothingRefused)
        || !renameFile(recordTemporary, recordPath) || !syncFolder(m_folder)) {
        removeFile(recordTemporary);
        removeFile(recordPath);
        raiseAccessError();
    }
    m_recorded = true;
}

bool FileSet::renameIntoPlace()
{
    for (const QString &target : std::as_const(m_targets)) {
        if (refused(SaveStep::Rename, target) || !renameFile(beside(target, newName), target)) {
            // A record that cannot turn into the undo record stays: the set
            // is then committed, and the next lock finishes it.
            if (undo())
                raiseAccessError();
            return false;
        }
    }
    return true;
}

void FileSet::syncAndClean()
{
    // Until the folders are on the disk the record stays: whoever comes next
    // finishes the set again, which changes nothing that is done.
    if (refused(SaveStep::FolderSync, m_folder) || !syncFolder(m_folder))
        return;
    for (const QString &elsewhere : foldersElsewhere()) {
        if (!syncFolder(elsewhere))
            return;
    }
    for (const QString &target : std::as_const(m_targets))
        removeFile(beside(target, oldName));
    removeFile(QDir(m_folder).filePath(recordName));
}

bool FileSet::undo()
{
    // The record turns into the undo record in one step, so a kill from here
    // on puts the old files back too.
    const QDir dir(m_folder);
    if (!renameFile(dir.filePath(recordName), dir.filePath(undoName)))
        return false;
    finishSave(m_folder);
    return true;
}

} // namespace storage
