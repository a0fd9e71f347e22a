// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;
class QPoint;
class QRect;

namespace platform {

class App;
class Canvas;
class Control;
class Image;
class Label;

struct FormLayout {
    QString caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    QColor backColor{192, 192, 192};
    QString picture;                  // drawn once, unscaled, at the top-left; may be empty
    bool escapeCloses = false;        // Escape is the close box, for a window without buttons
    bool keyboardWorksLabels = false; // see Form
    // A window of text to be read as it opens: screen readers are told it is
    // a dialog, and read its labels as they read a box's text.
    bool readOnOpening = false;
};

// One of the program's windows. The object (and so every variable a window
// class adds) lives until the program ends; the window itself is loaded from
// its layout on first access and lives until it is unloaded. Controls are
// declared as members of the window class and painted in declaration order,
// later ones in front.
//
// The handlers carry the names of the window's events; a window class
// overrides the ones it has.
//
// In a window laid out with keyboardWorksLabels the keyboard works the
// clickable labels, and these keys do not reach its KeyDown handler:
// Tab, Shift+Tab and the Up and Down arrows move among those labels in
// layout order, Return and Space click the selected one. The first label is
// selected when the window is shown, so a screen reader has it to speak and
// Return clicks it; but no focus mark is drawn until the keyboard is first
// used for it, so a mouse player sees the window exactly as laid out. Until
// then the player has seen no choice: the first Tab or Down marks the first
// label, the first Shift+Tab or Up the last.
class Form
{
public:
    Form(App &app, const QString &name, const FormLayout &layout);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const QString &name() const { return m_name; }
    App &app() const { return m_app; }
    const FormLayout &layout() const { return m_layout; }

    // Creates the window from its layout, if it is not loaded, and runs Form_Load.
    void Load();
    // Makes the window visible, brings it to the front and makes it the active
    // window; loads it first. Centred on the screen at its first showing after
    // each load. Fires Activate when it becomes the program's active window.
    void Show();
    // Makes it invisible, keeping controls, timers and variables.
    void Hide();
    // Destroys the window and its controls (no Unload handler runs); its
    // variables keep their values.
    void Unload();

    QString Caption() const;
    void setCaption(const QString &caption);

    bool isLoaded() const { return m_loaded; }
    bool isVisible() const;

    // The Qt window while loaded, else nullptr.
    QWidget *widget() const;

    // Handlers. Form_KeyDown gets the Windows virtual-key code (arrows 37 to
    // 40, letters as their capital ASCII code) and the shift state (1 Shift,
    // 2 Ctrl, 4 Alt).
    virtual void Form_Load() { }
    virtual void Form_Activate() { }
    virtual void Form_KeyDown(int KeyCode, int Shift)
    {
        Q_UNUSED(KeyCode)
        Q_UNUSED(Shift)
    }
    // The user closes the window; setting Cancel to 1 keeps it open.
    virtual void Form_Unload(int &Cancel) { Q_UNUSED(Cancel) }

    // What a screen reader hears beyond the labels: lines of state that are
    // kept current without being read out (an empty line is not shown), and
    // announcements, read out once as they come.
    void setStatus(const QStringList &lines);
    const QStringList &status() const { return m_status; }
    void announce(const QString &text);
    const QString &announcement() const { return m_announcement; }

    // What a screen reader calls the window until the caption is next written,
    // for a caption that is due to change but must not be seen changing yet.
    void setSpokenCaption(const QString &caption);

    // The label the keyboard has selected, or nullptr.
    Label *focusedLabel() const { return m_focused; }
    // Whether the focus mark is drawn: once the keyboard has worked the labels.
    bool focusMarked() const { return m_focused && m_marked; }
    // The labels that take clicks, in the order the keyboard visits them.
    std::vector<Label *> clickableLabels() const;

    // Modal boxes, through the program's dialog service.
    int MsgBox(const QString &prompt, int buttons, const QString &title);
    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText);

    // --- used by the layer itself ---
    void ensureLoaded();
    void add(Control *control);
    const std::vector<Control *> &controls() const { return m_controls; }
    // Schedules a repaint of a rectangle in logical pixels.
    void invalidate(const QRect &rect);
    // The player pressed a key / clicked at a point / closed the window.
    void keyPressed(int keyCode, int shift);
    void clicked(const QPoint &pressedAt, const QPoint &releasedAt);
    void closeRequested();
    // The label that a click at `pixel` is for, or nullptr.
    Label *labelAt(const QPoint &pixel) const;

private:
    // Keyboard use of the labels; true when the key was used for it.
    bool navigate(int keyCode, int shift);
    void setFocusedLabel(Label *label);
    // Selects the first label, unmarked, if none is.
    void chooseFirstLabel();

    App &m_app;
    QString m_name;
    FormLayout m_layout;
    std::vector<Control *> m_controls;
    QPointer<Canvas> m_canvas;
    QString m_caption;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_shownSinceLoad = false;
    Label *m_focused = nullptr;
    bool m_marked = false;
    QStringList m_status;
    QString m_announcement;
};

} // namespace platform
