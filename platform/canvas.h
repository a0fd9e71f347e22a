// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace platform {

class Form;

// The Qt window of a Form: one surface that paints the background, the
// background picture, the labels and the images in layout order, and passes
// the player's keys, clicks and close requests to the form.
class Canvas final : public QWidget
{
    Q_OBJECT
public:
    explicit Canvas(Form &form);

    Form &form() const { return m_form; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    // Tab is a key like any other here: the form moves its own focus.
    bool focusNextPrevChild(bool) override { return false; }

private:
    Form &m_form;
    QPoint m_pressedAt{-1, -1};
};

} // namespace platform
