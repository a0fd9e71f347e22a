// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/richtextbox.h"
#include "scores/scorefiles.h"

namespace game {

// One of the game window's hidden rich-text boxes as a file of the high-score
// table: everything goes through the box, as the window itself would use it.
class BoxFile final : public scores::TableFile
{
public:
    explicit BoxFile(platform::RichTextBox &box)
        : m_box(box)
    {
    }

    QString text() const override { return m_box.Text(); }
    void setText(const QString &text) override { m_box.setText(text); }
    void load(const QString &path) override { m_box.LoadFile(path); }
    void save(const QString &path, storage::FileSet &set) override { m_box.SaveFile(path, set); }

private:
    platform::RichTextBox &m_box;
};

} // namespace game
