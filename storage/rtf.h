// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Rich Text Format as the high-score files use it: the plain text of a
// document in, a complete document out.
namespace storage::rtf {

// The largest file the reader accepts.
constexpr qsizetype maxDocumentSize = 4 * 1024 * 1024;

// A complete document holding `text`, in 7-bit ASCII, ending in the final
// paragraph mark; read() gives back exactly `text`.
QByteArray write(const QString &text);

// The plain text of a document written by this program or another common RTF
// writer, or nothing when the bytes are not RTF.
std::optional<QString> read(const QByteArray &document);

} // namespace storage::rtf
