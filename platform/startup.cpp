// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QList>

namespace platform {

Session Session::fromEnvironment()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_CURRENT_DESKTOP"), qgetenv("XDG_SESSION_TYPE"),
            qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
}

QByteArray platformFor(const Session &session)
{
    // Qt too takes an empty QT_QPA_PLATFORM for no choice.
    if (!session.qpaPlatform.isEmpty() || session.display.isEmpty())
        return {};
    const bool wayland = session.sessionType == "wayland" || !session.waylandDisplay.isEmpty();
    if (!wayland)
        return {};
    const QList<QByteArray> desktops = session.currentDesktop.toLower().split(':');
    // Wayland after all if the X display does not answer.
    return desktops.contains("gnome") ? QByteArrayLiteral("xcb;wayland") : QByteArray();
}

QByteArray busAddressFor(const QByteArray &address, bool runtimeBusExists)
{
    if (!address.isEmpty() || runtimeBusExists)
        return {};
    return QByteArrayLiteral("disabled:");
}

DisplayWatch::DisplayWatch(QString programName)
    : m_programName(std::move(programName))
{
}

std::optional<QString> DisplayWatch::lineFor(QtMsgType type, const QString &message)
{
    const QString oneLine = message.simplified();
    if (!m_started && type == QtFatalMsg) {
        return QStringLiteral("%1: cannot connect to a display: %2")
            .arg(m_programName, m_firstWarning.isEmpty() ? oneLine : m_firstWarning);
    }
    if (!m_started) {
        if ((type == QtWarningMsg || type == QtCriticalMsg) && m_firstWarning.isEmpty())
            m_firstWarning = oneLine;
        return std::nullopt;
    }
    // Qt's xcb and Wayland platforms say this just before they leave.
    if (oneLine.startsWith(QLatin1String("The X11 connection "))
        || oneLine.startsWith(QLatin1String("The Wayland connection ")))
        return QStringLiteral("%1: lost the display: %2").arg(m_programName, oneLine);
    if (type == QtFatalMsg)
        return QStringLiteral("%1: %2").arg(m_programName, oneLine);
    return std::nullopt;
}

} // namespace platform
