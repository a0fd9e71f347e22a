// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace storage {

// Reads a plain file of at most `limit` bytes; a longer one yields limit + 1
// bytes. A FIFO, device, socket or folder is refused at once, without being
// opened in a way that could wait. Raises RuntimeError when it cannot read.
QByteArray readSmallFile(const QString &path, qint64 limit);

// Raises the run-time error that fits a file which cannot be read or written:
// its folder missing, the file missing, or no access.
[[noreturn]] void raiseFileError(const QString &path);
// Raises the run-time error of a file or folder that cannot be reached.
[[noreturn]] void raiseAccessError();

} // namespace storage
