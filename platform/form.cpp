// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "accessible.h"
#include "app.h"
#include "canvas.h"
#include "control.h"
#include "dialogs.h"
#include "keys.h"
#include "label.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace platform {

Form::Form(App &app, const QString &name, const FormLayout &layout)
    : m_app(app)
    , m_name(name)
    , m_layout(layout)
    , m_caption(layout.caption)
{
}

Form::~Form()
{
    delete m_canvas;
}

void Form::add(Control *control)
{
    m_controls.push_back(control);
}

void Form::ensureLoaded()
{
    if (!m_loaded && !m_loading)
        Load();
}

void Form::Load()
{
    if (m_loaded || m_loading)
        return;
    m_loading = true;
    // Timers enabled in the layout start counting here.
    for (Control *control : m_controls)
        control->reset();
    m_caption = m_layout.caption;
    m_canvas = new Canvas(*this);
    m_shownSinceLoad = false;
    m_focused = nullptr;
    m_marked = false;
    m_loaded = true;
    m_loading = false;
    Form_Load();
}

void Form::Show()
{
    ensureLoaded();
    if (!m_shownSinceLoad) {
        m_shownSinceLoad = true;
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), m_canvas->size());
            frame.moveCenter(screen->availableGeometry().center());
            m_canvas->move(frame.topLeft());
        }
    }
    // Recorded before the window system hears of it, so its own focus change
    // that follows is seen as the same switch.
    const bool activates = m_app.makeActive(*this);
    chooseFirstLabel();
    m_canvas->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) // it has no stacking to change
        m_canvas->raise();
    m_canvas->activateWindow();
    if (activates)
        Form_Activate();
}

void Form::Hide()
{
    ensureLoaded();
    m_canvas->hide();
    m_app.gone(*this);
}

void Form::Unload()
{
    if (!m_loaded)
        return;
    for (Control *control : m_controls)
        control->unloaded();
    m_loaded = false;
    if (m_canvas) {
        m_canvas->hide();
        // Possibly inside the window's own close event: delete it later.
        m_canvas->deleteLater();
        m_canvas = nullptr;
    }
    m_app.gone(*this);
}

QString Form::Caption() const
{
    const_cast<Form *>(this)->ensureLoaded();
    return m_caption;
}

void Form::setCaption(const QString &caption)
{
    ensureLoaded();
    m_caption = caption;
    m_canvas->setWindowTitle(caption);
    if (!m_canvas->accessibleName().isEmpty())
        m_canvas->setAccessibleName(QString());
}

void Form::setSpokenCaption(const QString &caption)
{
    ensureLoaded();
    m_canvas->setAccessibleName(caption);
}

bool Form::isVisible() const
{
    return m_loaded && m_canvas && m_canvas->isVisible();
}

QWidget *Form::widget() const
{
    return m_canvas;
}

int Form::MsgBox(const QString &prompt, int buttons, const QString &title)
{
    return m_app.dialogs().MsgBox(prompt, buttons, title);
}

QString Form::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return m_app.dialogs().InputBox(prompt, title, defaultText);
}

void Form::invalidate(const QRect &rect)
{
    if (m_canvas)
        m_canvas->update(rect.adjusted(-1, -1, 1, 1));
}

void Form::keyPressed(int keyCode, int shift)
{
    if (m_layout.escapeCloses && keyCode == vk::Escape) {
        closeRequested();
        return;
    }
    if (navigate(keyCode, shift))
        return;
    m_app.dispatch([&] { Form_KeyDown(keyCode, shift); });
}

std::vector<Label *> Form::clickableLabels() const
{
    std::vector<Label *> labels;
    for (Control *control : m_controls) {
        if (auto *label = dynamic_cast<Label *>(control); label && label->clickable())
            labels.push_back(label);
    }
    return labels;
}

bool Form::navigate(int keyCode, int shift)
{
    const std::vector<Label *> labels = clickableLabels();
    if (!m_layout.keyboardWorksLabels || labels.empty())
        return false;
    const bool backwards = keyCode == vk::Up || (keyCode == vk::Tab && (shift & 1));
    if (keyCode == vk::Tab || keyCode == vk::Up || keyCode == vk::Down) {
        const auto at = std::find(labels.begin(), labels.end(), m_focused);
        const int count = int(labels.size());
        // From no choice that the player has seen, forwards is the first
        // label and backwards the last.
        int next = backwards ? count - 1 : 0;
        if (m_marked && at != labels.end())
            next = (int(at - labels.begin()) + (backwards ? count - 1 : 1)) % count;
        m_marked = true;
        setFocusedLabel(labels[size_t(next)]);
        return true;
    }
    if (keyCode == vk::Return || keyCode == vk::Space) {
        if (m_focused)
            m_focused->click();
        return true;
    }
    return false;
}

void Form::setFocusedLabel(Label *label)
{
    if (m_focused)
        invalidate(m_focused->inkRect()); // the focus mark runs round the ink
    m_focused = label;
    invalidate(label->inkRect());
    accessible::focusMoved(*this);
}

void Form::chooseFirstLabel()
{
    if (!m_layout.keyboardWorksLabels || m_focused)
        return;
    const std::vector<Label *> labels = clickableLabels();
    if (!labels.empty())
        m_focused = labels.front(); // spoken as the window gets the focus
}

void Form::setStatus(const QStringList &lines)
{
    const QStringList before = std::exchange(m_status, lines);
    for (int i = 0; i < lines.size(); ++i) {
        if (i >= before.size())
            accessible::statusChanged(*this, i, std::nullopt);
        else if (before[i] != lines[i])
            accessible::statusChanged(*this, i, before[i]);
    }
}

void Form::announce(const QString &text)
{
    const bool first = m_announcement.isEmpty();
    m_announcement = text;
    accessible::announced(*this, first);
}

Label *Form::labelAt(const QPoint &pixel) const
{
    // Labels lie side by side; the one declared last is the one in front.
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        if (auto *label = dynamic_cast<Label *>(*it); label && label->pixelRect().contains(pixel))
            return label;
    }
    return nullptr;
}

void Form::clicked(const QPoint &pressedAt, const QPoint &releasedAt)
{
    Label *label = labelAt(releasedAt);
    if (label && label == labelAt(pressedAt))
        label->click();
}

void Form::closeRequested()
{
    if (!m_loaded)
        return;
    m_app.dispatch([this] {
        int cancel = 0;
        Form_Unload(cancel);
        if (cancel == 0)
            Unload();
    });
}

} // namespace platform
