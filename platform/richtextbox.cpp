// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtextbox.h"

#include "fileset.h"
#include "rtf.h"
#include "runtimeerror.h"

#include <QFile>

#include <QSaveFile>

namespace platform {

RichTextBox::RichTextBox(Form *form, const QString &name, int left, int top, int width, int height)
    : Control(form, name)
{
    // Nobody sees these boxes, so their geometry is kept only in the layout.
    Q_UNUSED(left) Q_UNUSED(top) Q_UNUSED(width) Q_UNUSED(height)
}

QString RichTextBox::Text() const
{
    ensureLoaded();
    return m_text;
}

void RichTextBox::setText(const QString &text)
{
    ensureLoaded();
    m_text = text;
}

void RichTextBox::LoadFile(const QString &path)
{
    ensureLoaded();
    const QByteArray bytes = readSmallFile(path, rtf::maxDocumentSize);
    const std::optional<QString> text = bytes.size() > rtf::maxDocumentSize ? std::nullopt : rtf::read(bytes);
    if (!text)
        throw RuntimeError(errors::InvalidFileFormat, QStringLiteral("Invalid file format"));
    m_text = *text;
}

void RichTextBox::SaveFile(const QString &path)
{
    ensureLoaded();
    // Written to a temporary file and renamed over the old one, so a failure
    // half-way never leaves a truncated score file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseFileError(path);
    const QByteArray bytes = rtf::write(m_text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        raiseFileError(path);
}

void RichTextBox::SaveFile(const QString &path, FileSet &set)
{
    ensureLoaded();
    set.write(path, rtf::write(m_text));
}

void RichTextBox::reset()
{
    m_text.clear();
}

} // namespace platform
