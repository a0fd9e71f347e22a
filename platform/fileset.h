// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace platform {

// Says whether writing the new contents of `path` is refused, as a full disk
// or a read-only folder would refuse it. Tests use it: the program runs as
// root in CI, where permission bits stop nothing.
using WriteFault = std::function<bool(const QString &path)>;

// Replaces several files as one, so that a failure never leaves some of them
// new and the others old: each new file is first written in full beside its
// target, and only when every one is written and every target can be
// replaced are they renamed into place. A set that is not committed removes
// what it wrote; an old file is never truncated.
class FileSet
{
public:
    explicit FileSet(WriteFault fault = {});
    ~FileSet();
    FileSet(const FileSet &) = delete;
    FileSet &operator=(const FileSet &) = delete;

    // Writes `bytes` to a new file beside `path` and flushes it to the disk.
    // Raises RuntimeError when it cannot.
    void write(const QString &path, const QByteArray &bytes);

    // Checks that every target is absent or a plain file that may be
    // written, then renames the new files over their targets in the order
    // they were written. Raises RuntimeError at the first failure: when the
    // checks fail nothing has changed; when a rename fails, the files renamed
    // before it hold their new contents and the others their old.
    void commit();

private:
    struct Pending {
        QString target;
        QString temporary;
    };
    void discard();

    WriteFault m_fault;
    std::vector<Pending> m_pending;
};

// Raises the run-time error that fits a file which cannot be read or written:
// its folder missing, the file missing, or no access.
[[noreturn]] void raiseFileError(const QString &path);

} // namespace platform
