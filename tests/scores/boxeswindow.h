// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/scorefiles.h"

#include "platform/app.h"
#include "platform/form.h"
#include "platform/richtextbox.h"

#include <deque>

// A window with nothing but the ten boxes that carry the files.
class BoxesWindow final : public platform::Form
{
public:
    explicit BoxesWindow(platform::App &app)
        : Form(app, QStringLiteral("Boxes"), {QStringLiteral("Boxes"), 3000, 2000, QColor(128, 128, 128), QString()})
    {
        for (std::size_t k = 0; k < std::size_t(scores::tableSize); ++k) {
            boxes.scores[k] = &m_boxes.emplace_back(this, QStringLiteral("Score%1").arg(k + 1), 2160, 6720, 1695, 255);
            boxes.names[k] = &m_boxes.emplace_back(this, QStringLiteral("Name%1").arg(k + 1), 240, 6720, 1695, 255);
        }
    }

    scores::TableBoxes boxes;

private:
    std::deque<platform::RichTextBox> m_boxes;
};
