// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "posixfile.h"

#include "smallfile.h"

#include "runtimeerror.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage::posix {

namespace {

// Gives the file `fd`, which this process has just created, the permission
// bits `mode` where the disk keeps them. A disk that keeps none refuses:
// FAT through FUSE with ENOSYS, others with ENOTSUP, and vfat with EPERM,
// which on a file this process created and so owns can only be the disk's
// doing. The file then has what the disk gives every file, and the save
// goes on; the old file's being read-only is checked apart, before any
// replacing.
bool givePermissions(int fd, int mode, const Refused &refused)
{
    if (mode < 0 || refused(SaveStep::Permissions))
        return true;
    if (::fchmod(fd, mode_t(mode)) == 0)
        return true;
    return errno == ENOSYS || errno == EOPNOTSUPP || errno == ENOTSUP || errno == EPERM;
}

} // namespace

bool nothingRefused(SaveStep)
{
    return false;
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString real = info.isSymLink() ? info.canonicalFilePath() : QString();
    return real.isEmpty() ? path : real;
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

bool writeNewFile(const QString &path, const QByteArray &bytes, int mode, const Refused &refused)
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

bool copyFile(const QString &from, const QString &to, const Refused &refused)
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

} // namespace storage::posix
