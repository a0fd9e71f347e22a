// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

namespace platform {

// Follows whether a screen reader runs: the ScreenReaderEnabled property of
// the desktop's accessibility status (org.a11y.Bus, interface
// org.a11y.Status, on the session bus), asked once and then followed through
// its change signal. Without a session bus, or with no accessibility bus on
// it, no screen reader runs. Never blocks: the first answer comes later.
class ScreenReaderWatch : public QObject
{
    Q_OBJECT
public:
    using Changed = std::function<void(bool running)>;
    explicit ScreenReaderWatch(Changed changed);
    ~ScreenReaderWatch() override;

private slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    Changed m_changed;
};

} // namespace platform
