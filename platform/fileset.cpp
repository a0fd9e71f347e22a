// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileset.h"

#include "runtimeerror.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <optional>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Hidden names beside the set's files.
const QString recordName = QStringLiteral(".commit");
const QString undoName = QStringLiteral(".undo");
constexpr char recordEnd[] = "end";
// A record names a handful of files; anything longer is not one.
constexpr qint64 maxRecordSize = 4096;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString newName(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".new");
}

QString oldName(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".old");
}

void removeFile(const QString &path)
{
    ::unlink(native(path).constData());
}

bool renameFile(const QString &from, const QString &to)
{
    // rename() replaces the target in one step, where QFile::rename would
    // refuse an existing one.
    return ::rename(native(from).constData(), native(to).constData()) == 0;
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(native(path).constData(), &st) == 0;
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Creates `path` afresh, never through a link, writes `bytes` and flushes
// them. `mode` is the new file's permission bits; -1 leaves them as created.
bool writeNewFile(const QString &path, const QByteArray &bytes, int mode, const std::function<bool(SaveStep)> &refused)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool written = (mode < 0 || ::fchmod(fd, mode_t(mode)) == 0) && !refused(SaveStep::Write);
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += n;
    }
    written = written && !refused(SaveStep::Sync) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
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
        for (const RecordLine &line : *record) {
            const QString target = folder.filePath(line.fileName);
            const QString fresh = folder.filePath(newName(line.fileName));
            const QString old = folder.filePath(oldName(line.fileName));
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
        if (!syncFolder(folder.path()))
            return false;
        for (const RecordLine &line : *record) {
            removeFile(folder.filePath(newName(line.fileName)));
            removeFile(folder.filePath(oldName(line.fileName)));
        }
    }
    // A record that is not whole never passed the commit: its set is
    // discarded by the next save, and the old files were never touched.
    removeFile(recordPath);
    return syncFolder(folder.path());
}

void raiseFileError(const QString &path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw RuntimeError(errors::PathNotFound, QStringLiteral("Path not found"));
    if (!info.exists())
        throw RuntimeError(errors::FileNotFound, QStringLiteral("File not found"));
    throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error"));
}

QByteArray readSmallFile(const QString &path, qint64 limit)
{
    // Opened without waiting, so that a FIFO with no writer cannot hold the
    // game, and checked on the open file, so that nothing swaps it meanwhile.
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        raiseFileError(path);
    struct stat st;
    QByteArray bytes;
    bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (read) {
        // One byte past what the file says it holds, and never past the
        // limit: an oversized file is told apart without reading all of it.
        bytes.resize(qsizetype(std::min<qint64>(st.st_size, limit) + 1));
        qsizetype done = 0;
        while (read && done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, std::size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            read = n >= 0;
            if (n <= 0)
                break;
            done += n;
        }
        bytes.truncate(done);
    }
    ::close(fd);
    if (!read)
        throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error"));
    return bytes;
}

bool keepAside(const QString &folder, const QStringList &fileNames)
{
    const QDir dir(folder);
    QStringList present;
    for (const QString &name : fileNames) {
        if (exists(dir.filePath(name)))
            present << name;
    }
    if (present.isEmpty())
        return true;

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString asideName = QStringLiteral("unreadable-%1").arg(stamp);
    for (int n = 2; !dir.mkdir(asideName); ++n) {
        if (n > 100 || !dir.exists())
            return false;
        asideName = QStringLiteral("unreadable-%1-%2").arg(stamp).arg(n);
    }
    const QDir aside(dir.filePath(asideName));
    for (const QString &name : present) {
        // A second name keeps the very bytes; a copy where the disk has no
        // such names. Only plain files: a FIFO is not read.
        const QString from = dir.filePath(name);
        const QString to = aside.filePath(name);
        if (::link(native(from).constData(), native(to).constData()) != 0 && QFileInfo(from).isFile()
            && !QFile::copy(from, to))
            return false;
    }
    return syncFolder(aside.path()) && syncFolder(folder);
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
        const QDir dir(m_folder);
        for (const QString &name : m_names) {
            removeFile(dir.filePath(newName(name)));
            removeFile(dir.filePath(oldName(name)));
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

    // Whoever could read the old file can read the new one.
    struct stat old;
    const int mode = ::stat(native(path).constData(), &old) == 0 ? int(old.st_mode & 07777) : -1;
    m_names << name;
    if (!writeNewFile(dir.filePath(newName(name)), bytes, mode, [&](SaveStep step) { return refused(step, path); })) {
        if (!dir.exists())
            raiseFileError(path);
        throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error"));
    }
}

void FileSet::commit()
{
    const QDir dir(m_folder);
    const auto fail = [] { throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error")); };

    QByteArray record;
    for (const QString &name : m_names) {
        struct stat st;
        const QString target = dir.filePath(name);
        const bool hadOld = ::lstat(native(target).constData(), &st) == 0;
        // A folder in the way cannot be replaced, and a file the player made
        // read-only is not to be, whoever runs the game.
        if (hadOld && (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR)))
            fail();
        if (hadOld && ::link(native(target).constData(), native(dir.filePath(oldName(name))).constData()) != 0)
            fail();
        record += (hadOld ? "old " : "new ") + QFile::encodeName(name) + '\n';
    }
    record += QByteArray(recordEnd) + '\n';

    // The commit: once the record stands under its name, the set goes in
    // whatever happens to this process.
    const QString recordPath = dir.filePath(recordName);
    const QString recordTemporary = dir.filePath(newName(recordName.mid(1)));
    removeFile(recordTemporary);
    if (refused(SaveStep::Record, recordPath)
        || !writeNewFile(recordTemporary, record, -1, [](SaveStep) { return false; })
        || !renameFile(recordTemporary, recordPath) || !syncFolder(m_folder)) {
        removeFile(recordTemporary);
        removeFile(recordPath);
        fail();
    }
    m_recorded = true;

    // A slow disk, for tests that stop a save half-way.
    const int renameDelayMs = qEnvironmentVariableIntValue("QUILLWAY_RENAME_DELAY_MS");
    for (const QString &name : m_names) {
        if (renameDelayMs > 0)
            QThread::msleep(renameDelayMs);
        const QString target = dir.filePath(name);
        if (refused(SaveStep::Rename, target) || !renameFile(dir.filePath(newName(name)), target)) {
            undo();
            fail();
        }
    }
    // Until the folder is on the disk the record stays: whoever comes next
    // finishes the set again, which changes nothing that is done.
    if (refused(SaveStep::FolderSync, m_folder) || !syncFolder(m_folder))
        return;
    for (const QString &name : m_names)
        removeFile(dir.filePath(oldName(name)));
    removeFile(recordPath);
}

void FileSet::undo()
{
    // The record turns into the undo record in one step, so a kill from here
    // on puts the old files back too.
    const QDir dir(m_folder);
    if (renameFile(dir.filePath(recordName), dir.filePath(undoName)))
        finishSave(m_folder);
}

} // namespace platform
