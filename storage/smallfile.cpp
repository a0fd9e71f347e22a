// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "smallfile.h"

#include "posixfile.h"
#include "runtimeerror.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {

using posix::native;

void raiseAccessError()
{
    throw RuntimeError(errors::PathFileAccess,
                       QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Path/File access error")));
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
    raiseAccessError();
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
        raiseAccessError();
    return bytes;
}

} // namespace storage
