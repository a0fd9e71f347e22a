// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderlock.h"

#include "fileset.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace storage {

namespace {

// How long a lock held by another copy of the game is waited for.
constexpr int lockWaitMs = 3000;
constexpr int lockPollMs = 10;

int lockWaits = 0;

// The folders whose lock this process holds, by absolute path, with the mode
// it was taken in. The game has one thread.
QHash<QString, FolderLock::Mode> &heldFolders()
{
    static QHash<QString, FolderLock::Mode> folders;
    return folders;
}

bool takeLock(int fd, int operation)
{
    for (int waited = 0;; waited += lockPollMs) {
        if (::flock(fd, operation | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (waited >= lockWaitMs)
            return false;
        ++lockWaits;
        QThread::msleep(lockPollMs);
    }
}

} // namespace

int FolderLock::waits()
{
    return lockWaits;
}

FolderLock::FolderLock(const QString &folder, Mode mode)
{
    const QDir dir(folder);
    const QString key = dir.absolutePath();
    if (const auto outer = heldFolders().constFind(key); outer != heldFolders().cend()) {
        // Under the exclusive lock the set is whole and nobody else writes.
        m_held = *outer == Mode::Exclusive || mode == Mode::Shared;
        return;
    }
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral(".lock")));
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | flags, 0666);
    if (m_fd < 0)
        m_fd = ::open(path.constData(), O_RDONLY | flags);
    if (m_fd < 0) {
        // A folder nobody can write to has no save to wait for, and none to
        // finish either; a set it cannot finish is not read.
        m_held = mode == Mode::Shared && !saveUnfinished(folder);
    } else if (takeLock(m_fd, mode == Mode::Shared ? LOCK_SH : LOCK_EX)) {
        // Finishing a save writes: a reader that finds one takes the lock whole.
        if (mode == Mode::Exclusive || !saveUnfinished(folder) || takeLock(m_fd, LOCK_EX))
            m_held = finishSave(folder);
    }
    if (m_held) {
        m_folder = key;
        heldFolders().insert(key, mode);
    }
}

FolderLock::~FolderLock()
{
    if (!m_folder.isEmpty())
        heldFolders().remove(m_folder);
    if (m_fd >= 0)
        ::close(m_fd); // and with it the lock
}

} // namespace storage
