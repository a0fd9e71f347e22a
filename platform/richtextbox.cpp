// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtextbox.h"

#include "storage/document.h"

namespace platform {

RichTextBox::RichTextBox(Form *form, const QString &name, int left, int top, int width, int height)
    : Control(form, name)
{
    // Nobody sees these boxes, so their geometry is kept only in the layout.
    Q_UNUSED(left)
    Q_UNUSED(top)
    Q_UNUSED(width)
    Q_UNUSED(height)
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
    m_text = storage::loadDocument(path);
}

void RichTextBox::SaveFile(const QString &path)
{
    ensureLoaded();
    storage::saveDocument(path, m_text);
}

void RichTextBox::SaveFile(const QString &path, storage::FileSet &set)
{
    ensureLoaded();
    storage::saveDocument(path, m_text, set);
}

void RichTextBox::reset()
{
    m_text.clear();
}

} // namespace platform
