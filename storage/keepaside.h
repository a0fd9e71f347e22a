// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace storage {

// Keeps the files `fileNames` of `folder`, those that exist, in a new folder
// beside them named "unreadable-<date>-<time>", so that a set that could not
// be read survives the save that replaces it. What is kept is the bytes, as
// plain files: a file that is a symbolic link is kept as the file it names,
// never as a link, which the save is about to write through. Returns whether
// they are kept.
bool keepAside(const QString &folder, const QStringList &fileNames);

} // namespace storage
