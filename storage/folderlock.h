// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace storage {

// A lock on a folder of files saved as sets, shared by readers and exclusive
// for a writer, so that two running games never see each other's half-saved
// set. Taking it also finishes a save that a kill interrupted (or undoes one
// that failed half-way), so that what follows reads one whole set. A lock
// another process holds is waited for a few seconds at most.
//
// A process holds one lock per folder: a lock taken while the same process
// already holds that folder's (a writer whose reading sets off another reader
// of the folder) shares the one held and never waits for it. Asking for the
// exclusive lock inside a shared one is refused at once, as a wait there
// could never end.
class FolderLock
{
public:
    enum class Mode { Shared, Exclusive };
    FolderLock(const QString &folder, Mode mode);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Whether the caller may go on: false when the lock could not be had in
    // time, or an interrupted save could not be finished. A reader of a
    // folder where no lock file can be made goes on without one.
    bool held() const { return m_held; }

    // How many times this process has found a lock taken and waited for it.
    static int waits();

private:
    QString m_folder; // set only on the outermost lock of the folder
    int m_fd = -1;
    bool m_held = false;
};

} // namespace storage
