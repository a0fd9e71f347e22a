// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileset.h"

#include "runtimeerror.h"

#include <QDateTime>
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

namespace {

// Hidden names beside the set's files.
const QString recordName = QStringLiteral(".commit");
const QString undoName = QStringLiteral(".undo");
constexpr char recordEnd[] = "end";
// A record names a handful of files; anything longer is not one.
constexpr qint64 maxRecordSize = 4096;
// The largest old file copied for its undo where the disk has no hard links;
// the set's files are a few hundred bytes.
constexpr qint64 maxCopySize = 16 * 1024 * 1024;

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

// The file a file of the set is: itself, or the one its symbolic link names,
// wherever that lies. A link that names nothing stays itself, and is then
// refused as a target.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString real = info.isSymLink() ? info.canonicalFilePath() : QString();
    return real.isEmpty() ? path : real;
}

// A hidden name beside `file`, in the folder it lies in.
QString beside(const QString &file, QString (*hidden)(const QString &))
{
    const QFileInfo info(file);
    return info.dir().filePath(hidden(info.fileName()));
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

// Gives the file `fd`, which this process has just created, the permission
// bits `mode` where the disk keeps them. A disk that keeps none refuses:
// FAT through FUSE with ENOSYS, others with ENOTSUP, and vfat with EPERM,
// which on a file this process created and so owns can only be the disk's
// doing. The file then has what the disk gives every file, and the save
// goes on; the old file's being read-only is checked apart, before any
// replacing.
bool givePermissions(int fd, int mode, const std::function<bool(SaveStep)> &refused)
{
    if (mode < 0 || refused(SaveStep::Permissions))
        return true;
    if (::fchmod(fd, mode_t(mode)) == 0)
        return true;
    return errno == ENOSYS || errno == EOPNOTSUPP || errno == ENOTSUP || errno == EPERM;
}

// Creates `path` afresh, never through a link, writes `bytes` and flushes
// them. `mode` is the new file's permission bits; -1 leaves them as created.
bool writeNewFile(const QString &path, const QByteArray &bytes, int mode, const std::function<bool(SaveStep)> &refused)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool written = !refused(SaveStep::Write);
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += n;
    }
    written = written && givePermissions(fd, mode, refused) && !refused(SaveStep::Sync) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

const auto nothingRefused = [](SaveStep) { return false; };

// Copies the plain file `from` (its link followed) to a new file `to` with
// its permission bits, written in full and flushed.
bool copyFile(const QString &from, const QString &to, const std::function<bool(SaveStep)> &refused)
{
    struct stat st;
    if (::stat(native(from).constData(), &st) != 0)
        return false;
    QByteArray bytes;
    try {
        bytes = readSmallFile(from, maxCopySize);
    } catch (const RuntimeError &) {
        return false;
    }
    return bytes.size() <= maxCopySize && writeNewFile(to, bytes, int(st.st_mode & 07777), refused);
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
bool keepOld(const QString &file, const QString &old, const std::function<bool(SaveStep)> &refused)
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

void raiseFileError(const QString &path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw RuntimeError(errors::PathNotFound,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Path not found")));
    if (!info.exists())
        throw RuntimeError(errors::FileNotFound,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "File not found")));
    throw RuntimeError(errors::PathFileAccess,
                       QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Path/File access error")));
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
        throw RuntimeError(errors::PathFileAccess,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Path/File access error")));
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
        // The file a link names, never the link: the save writes through it.
        // A second name of that file keeps the very bytes, since the save
        // puts a new file in its place rather than writing into it; a copy
        // where the disk has no such names. Only plain files: a FIFO is not
        // read, and a link that names nothing holds nothing.
        const QString from = resolved(dir.filePath(name));
        const QString to = aside.filePath(name);
        struct stat st;
        if (::stat(native(from).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::link(native(from).constData(), native(to).constData()) != 0 && !copyFile(from, to, nothingRefused))
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
        throw RuntimeError(errors::PathFileAccess,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Path/File access error")));
    }
}

void FileSet::commit()
{
    const QDir dir(m_folder);
    const auto fail = [] {
        throw RuntimeError(errors::PathFileAccess,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Path/File access error")));
    };

    QByteArray record;
    QSet<QString> folders;
    for (qsizetype k = 0; k < m_names.size(); ++k) {
        struct stat st;
        const QString &target = m_targets.at(k);
        const bool hadOld = ::lstat(native(target).constData(), &st) == 0;
        // A folder in the way cannot be replaced, and a file the player made
        // read-only is not to be, whoever runs the game; nor a link that
        // names nothing.
        if (hadOld && (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR)))
            fail();
        if (hadOld && !keepOld(target, beside(target, oldName), [&](SaveStep step) { return refused(step, target); }))
            fail();
        record += (hadOld ? "old " : "new ") + QFile::encodeName(m_names.at(k)) + '\n';
        folders << QFileInfo(target).path();
    }
    record += QByteArray(recordEnd) + '\n';
    // The second names and new files in folders that links lead to are on
    // the disk before the record makes the set go in.
    folders.remove(QFileInfo(dir.filePath(recordName)).path());
    for (const QString &elsewhere : std::as_const(folders)) {
        if (!syncFolder(elsewhere))
            fail();
    }

    // The commit: once the record stands under its name, the set goes in
    // whatever happens to this process.
    const QString recordPath = dir.filePath(recordName);
    const QString recordTemporary = dir.filePath(newName(recordName.mid(1)));
    removeFile(recordTemporary);
    if (refused(SaveStep::Record, recordPath) || !writeNewFile(recordTemporary, record, -1, nothingRefused)
        || !renameFile(recordTemporary, recordPath) || !syncFolder(m_folder)) {
        removeFile(recordTemporary);
        removeFile(recordPath);
        fail();
    }
    m_recorded = true;

    for (const QString &target : std::as_const(m_targets)) {
        if (refused(SaveStep::Rename, target) || !renameFile(beside(target, newName), target)) {
            // A record that cannot turn into the undo record stays: the set
            // is then committed, and the next lock finishes it.
            if (undo())
                fail();
            return;
        }
    }
    // Until the folders are on the disk the record stays: whoever comes next
    // finishes the set again, which changes nothing that is done.
    if (refused(SaveStep::FolderSync, m_folder) || !syncFolder(m_folder))
        return;
    for (const QString &elsewhere : std::as_const(folders)) {
        if (!syncFolder(elsewhere))
            return;
    }
    for (const QString &target : std::as_const(m_targets))
        removeFile(beside(target, oldName));
    removeFile(recordPath);
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
