// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace storage {

class FileSet;

// One rich-text document in a file of its own: what the window layer's
// rich-text box and the score-table tool both read and write. Each raises
// RuntimeError when the file cannot be read or written, or is not RTF.

// The document's text. A file larger than rtf::maxDocumentSize, or not a
// plain file, is refused unread.
QString loadDocument(const QString &path);
// Written to a temporary file and renamed over the old one, so a failure
// half-way never leaves a truncated file behind.
void saveDocument(const QString &path, const QString &text);
// Written as one file of a set that is replaced as a whole when the set is
// committed.
void saveDocument(const QString &path, const QString &text, FileSet &set);

} // namespace storage
