// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QString>

namespace storage {
class FileSet;
}

namespace platform {

// A rich-text box that nobody sees: it carries a Rich Text Format file to and
// from plain text (storage/document.h). LoadFile and SaveFile raise
// RuntimeError when the file cannot be read or written, or is not RTF.
class RichTextBox final : public Control
{
public:
    RichTextBox(Form *form, const QString &name, int left, int top, int width, int height);

    QString Text() const;
    void setText(const QString &text);

    void LoadFile(const QString &path);
    void SaveFile(const QString &path);
    // Writes the document as one file of a set that is replaced as a whole
    // when the set is committed.
    void SaveFile(const QString &path, storage::FileSet &set);

    void reset() override;

private:
    QString m_text;
};

} // namespace platform
