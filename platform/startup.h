// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace platform {

// The session's own variables that decide which of Qt's platforms the
// program runs on: the player's choice and what the desktop says of itself.
struct Session {
    QByteArray qpaPlatform;    // QT_QPA_PLATFORM
    QByteArray currentDesktop; // XDG_CURRENT_DESKTOP, a colon-separated list
    QByteArray sessionType;    // XDG_SESSION_TYPE
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray display;        // DISPLAY

    static Session fromEnvironment();
};

// The platform to ask Qt for, or empty to leave Qt its own choice.
// GNOME draws no title bar for Wayland windows, and the one Qt 6.4 draws
// itself cuts long titles, offers a maximise button and centres nothing; so
// on GNOME's Wayland session, when the player has chosen no platform and an
// X display is there, the windows go through XWayland, as Qt 5 did (and
// through Wayland if XWayland does not answer after all). Every other
// desktop, and any choice of the player's, keeps Qt's own choice.
QByteArray platformFor(const Session &session);

// The session bus address to set before anything reaches for the bus, or
// empty to leave it as it is. With no address set and no bus at its usual
// place ($XDG_RUNTIME_DIR/bus), libdbus (under SDL and Qt alike) would start
// a bus daemon of the program's own, which outlives it; an address of a kind
// no transport takes makes every attempt fail at once instead.
QByteArray busAddressFor(const QByteArray &address, bool runtimeBusExists);

// Decides which of Qt's messages the player sees. Normal play says nothing;
// three failures say one line on standard error, after which the program
// ends with status 1:
// - the display cannot be reached at start: Qt's fatal message follows its
//   warnings, the first of which names the display it tried;
// - the display went away during play (Qt warns, then would leave);
// - any other fatal message.
class DisplayWatch
{
public:
    explicit DisplayWatch(QString programName);

    // The display is reached; from now on start-up warnings are no longer kept.
    void started() { m_started = true; }

    // The line to print for Qt's message, if any.
    std::optional<QString> lineFor(QtMsgType type, const QString &message);

private:
    QString m_programName;
    QString m_firstWarning;
    bool m_started = false;
};

} // namespace platform
