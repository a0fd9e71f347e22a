// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible.h"

#include "canvas.h"
#include "form.h"
#include "label.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <vector>

namespace platform::accessible {

namespace {

// One child of a window as a screen reader sees it.
struct Item {
    QAccessible::Role role = QAccessible::StaticText;
    QString text;
    Label *label = nullptr; // for labels: their place and their click
};

// The window's children, in reading order. Their number changes only with a
// label's caption or the first announcement, so a child keeps its place.
std::vector<Item> itemsOf(const Form &form)
{
    std::vector<Item> items;
    if (!form.isLoaded())
        return items; // asking a label would load the window
    for (Control *control : form.controls()) {
        auto *label = dynamic_cast<Label *>(control);
        if (label && !label->Caption().isEmpty())
            items.push_back(
                {label->clickable() ? QAccessible::Button : QAccessible::StaticText, label->Caption(), label});
    }
    for (const QString &line : form.status())
        items.push_back({QAccessible::StaticText, line, nullptr});
    if (!form.announcement().isEmpty())
        items.push_back({QAccessible::Notification, form.announcement(), nullptr});
    return items;
}

int indexOf(const Form &form, auto matches)
{
    const std::vector<Item> items = itemsOf(form);
    for (size_t i = 0; i < items.size(); ++i) {
        if (matches(items[i]))
            return int(i);
    }
    return -1;
}

// A child of a window, by its place among the window's items; it reads the
// window afresh at every question.
class ItemInterface final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ItemInterface(Canvas *canvas, int index)
        : m_canvas(canvas)
        , m_index(index)
    {
    }

    bool isValid() const override { return item().has_value(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_canvas ? m_canvas->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_canvas); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        const auto it = item();
        return it && t == QAccessible::Name ? it->text : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QAccessible::Role role() const override
    {
        const auto it = item();
        return it ? it->role : QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const auto it = item();
        if (!it)
            return state;
        if (it->role == QAccessible::Button) {
            state.focusable = true;
            state.focused = it->label == m_canvas->form().focusedLabel() && m_canvas->hasFocus();
        }
        state.readOnly = it->role == QAccessible::StaticText;
        state.invisible = it->text.isEmpty(); // a status line with nothing to say
        return state;
    }
    QRect rect() const override
    {
        const auto it = item();
        if (!it || !it->label)
            return QRect();
        const QRect area = it->label->pixelRect();
        return QRect(m_canvas->mapToGlobal(area.topLeft()), area.size());
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        const auto it = item();
        if (type == QAccessible::ActionInterface && it && it->role == QAccessible::Button)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &actionName) override
    {
        const auto it = item();
        if (actionName != pressAction() || !it || !it->label)
            return;
        // Clicked once the screen reader has had its answer: the click may
        // open a box that waits for the player.
        Label *label = it->label;
        QTimer::singleShot(0, m_canvas, [label] { label->click(); });
    }

private:
    std::optional<Item> item() const
    {
        if (!m_canvas)
            return std::nullopt;
        std::vector<Item> items = itemsOf(m_canvas->form());
        if (m_index >= int(items.size()))
            return std::nullopt;
        return items[size_t(m_index)];
    }

    QPointer<Canvas> m_canvas;
    int m_index;
};

// A window: a frame named by its title, holding its items; a window of text
// to be read on opening is a dialog, whose text screen readers read out as
// the window gets the focus.
class FormInterface final : public QAccessibleWidget
{
public:
    explicit FormInterface(Canvas *canvas)
        : QAccessibleWidget(canvas, canvas->form().layout().readOnOpening ? QAccessible::Dialog : QAccessible::Window)
        , m_canvas(canvas)
    {
    }
    ~FormInterface() override
    {
        for (QAccessible::Id id : m_children)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(itemsOf(m_canvas->form()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (int(m_children.size()) <= index)
            m_children.push_back(
                QAccessible::registerAccessibleInterface(new ItemInterface(m_canvas, int(m_children.size()))));
        return QAccessible::accessibleInterface(m_children[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (size_t i = 0; i < m_children.size(); ++i) {
            if (QAccessible::accessibleInterface(m_children[i]) == child)
                return int(i);
        }
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface *item = child(i); item->rect().contains(x, y))
                return item;
        }
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        const Form &form = m_canvas->form();
        const int index
            = indexOf(form, [&](const Item &item) { return item.label && item.label == form.focusedLabel(); });
        return index >= 0 ? child(index) : QAccessibleWidget::focusChild();
    }

private:
    Canvas *m_canvas;
    mutable std::vector<QAccessible::Id> m_children;
};

QAccessibleInterface *describe(const QString &, QObject *object)
{
    if (auto *canvas = qobject_cast<Canvas *>(object))
        return new FormInterface(canvas);
    return nullptr;
}

// Sends an event about the window's item that `matches` picks.
void notify(Form &form, QAccessible::Event type, auto matches)
{
    QWidget *canvas = form.widget();
    const int index = canvas ? indexOf(form, matches) : -1;
    if (index < 0)
        return;
    QAccessibleEvent event(canvas, type);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(describe);
        return true;
    }();
    Q_UNUSED(installed)
}

void focusMoved(Form &form)
{
    notify(form, QAccessible::Focus, [&](const Item &item) { return item.label && item.label == form.focusedLabel(); });
}

void statusChanged(Form &form, int line, const std::optional<QString> &before)
{
    // Readers keep what they were told, so each change is sent; a line that
    // is not focused is not read out for it.
    QWidget *canvas = form.widget();
    const int index = canvas ? indexOf(form, [](const Item &item) { return !item.label; }) + line : -1;
    if (index < line)
        return;
    QAccessibleEvent event(canvas, before ? QAccessible::NameChanged : QAccessible::ObjectCreated);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
    if (before && before->isEmpty() != form.status().at(line).isEmpty()) {
        QAccessible::State invisible;
        invisible.invisible = true;
        QAccessibleStateChangeEvent change(canvas, invisible);
        change.setChild(index);
        QAccessible::updateAccessibility(&change);
    }
}

void announced(Form &form, bool first)
{
    // Read out as it appears, as a desktop notification is.
    const auto isAnnouncement = [](const Item &item) { return item.role == QAccessible::Notification; };
    if (first)
        notify(form, QAccessible::ObjectCreated, isAnnouncement);
    notify(form, QAccessible::NameChanged, isAnnouncement);
    notify(form, QAccessible::ObjectShow, isAnnouncement);
}

} // namespace platform::accessible
