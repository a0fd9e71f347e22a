// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control.h"

#include "form.h"

namespace platform {

Control::Control(Form *form, const QString &name)
    : m_form(form)
    , m_name(name)
{
    form->add(this);
}

Control::~Control() = default;

void Control::ensureLoaded() const
{
    m_form->ensureLoaded();
}

} // namespace platform
