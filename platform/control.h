// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

class Form;

// Something a window's layout places in it: an image, a label, a timer or a
// rich-text box. A control object lives as long as its window object; what the
// player would call "the control" lives from the window's load to its unload:
// every load puts it back to its layout values (reset()), and any access while
// the window is not loaded loads the window first.
class Control
{
public:
    Control(Form *form, const QString &name);
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &name() const { return m_name; }
    Form *form() const { return m_form; }

    // Back to the layout values; the window calls this at each load.
    virtual void reset() = 0;
    // The window is being unloaded.
    virtual void unloaded() { }

protected:
    // Loads the window if it is not loaded. Every property access starts here.
    void ensureLoaded() const;

private:
    Form *m_form;
    QString m_name;
};

} // namespace platform
