// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"

#include "fileset.h"
#include "rtf.h"
#include "runtimeerror.h"
#include "smallfile.h"

#include <QSaveFile>

#include <optional>

namespace storage {

QString loadDocument(const QString &path)
{
    const QByteArray bytes = readSmallFile(path, rtf::maxDocumentSize);
    const std::optional<QString> text = bytes.size() > rtf::maxDocumentSize ? std::nullopt : rtf::read(bytes);
    if (!text)
        throw RuntimeError(errors::InvalidFileFormat,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Invalid file format")));
    return *text;
}

void saveDocument(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseFileError(path);
    const QByteArray bytes = rtf::write(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        raiseFileError(path);
}

void saveDocument(const QString &path, const QString &text, FileSet &set)
{
    set.write(path, rtf::write(text));
}

} // namespace storage
