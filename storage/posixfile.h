// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileset.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The steps on single files that the file set and the keeping aside of a set
// share, through POSIX calls: a path as the disk spells it, links followed or
// not, new files written in full and flushed. Not for use outside storage/.
namespace storage::posix {

// Says whether a step is refused (WriteFault, for one file).
using Refused = std::function<bool(SaveStep)>;
// Refuses nothing.
bool nothingRefused(SaveStep);

// The largest file copied where the disk has no hard links; the set's files
// are a few hundred bytes.
constexpr qint64 maxCopySize = 16 * 1024 * 1024;

QByteArray native(const QString &path);
// The file a path is: itself, or the one its symbolic link names, wherever
// that lies. A link that names nothing stays itself.
QString resolved(const QString &path);
void removeFile(const QString &path);
// Replaces `to` in one step.
bool renameFile(const QString &from, const QString &to);
// Whether anything stands under the name, a link that names nothing included.
bool exists(const QString &path);
bool syncFolder(const QString &folder);
// Creates `path` afresh, never through a link, writes `bytes` and flushes
// them. `mode` is the new file's permission bits; -1 leaves them as created.
bool writeNewFile(const QString &path, const QByteArray &bytes, int mode, const Refused &refused);
// Copies the plain file `from` (its link followed) to a new file `to` with
// its permission bits, written in full and flushed.
bool copyFile(const QString &from, const QString &to, const Refused &refused);

} // namespace storage::posix
