// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/startup.h"

#include <QTest>

using namespace platform;

// Which platform the program asks Qt for: a player on GNOME's Wayland session
// gets the whole title through XWayland, any other desktop or the player's own
// choice stays Qt's. (What it says when the display fails is played end to
// end, in tests/e2e/display.sh.)
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void platformChoice_data();
    void platformChoice();
};

void TestStartup::platformChoice_data()
{
    QTest::addColumn<QByteArray>("choice");
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("platform");

    // QT_QPA_PLATFORM, XDG_CURRENT_DESKTOP, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY; the platform asked for.
    const auto row = [](const char *name, const char *choice, const char *desktop, const char *type,
                        const char *waylandDisplay, const char *display, const char *platform) {
        QTest::newRow(name) << QByteArray(choice) << QByteArray(desktop) << QByteArray(type)
                            << QByteArray(waylandDisplay) << QByteArray(display) << QByteArray(platform);
    };
    row("GNOME on Wayland with XWayland: XWayland", "", "GNOME", "wayland", "wayland-0", ":0", "xcb;wayland");
    row("Ubuntu's GNOME, lower case, by session type only: XWayland", "", "ubuntu:gnome", "wayland", "", ":1",
        "xcb;wayland");
    row("GNOME Classic by its Wayland socket only: XWayland", "", "GNOME-Classic:GNOME", "", "wayland-0", ":0",
        "xcb;wayland");
    row("player chose wayland: kept", "wayland", "GNOME", "wayland", "wayland-0", ":0", "");
    row("player chose xcb: kept, nothing added", "xcb", "KDE", "wayland", "wayland-0", ":0", "");
    row("GNOME without an X display: Qt's choice", "", "GNOME", "wayland", "wayland-0", "", "");
    row("GNOME on X11: Qt's choice", "", "GNOME", "x11", "", ":0", "");
    row("KDE on Wayland: Qt's choice", "", "KDE", "wayland", "wayland-0", ":1", "");
    row("sway: Qt's choice", "", "sway", "wayland", "wayland-1", ":0", "");
    row("a desktop merely named like GNOME: Qt's choice", "", "GNOME-Flashback", "wayland", "wayland-0", ":0", "");
}

void TestStartup::platformChoice()
{
    QFETCH(QByteArray, choice);
    QFETCH(QByteArray, desktop);
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, platform);
    QCOMPARE(platformFor({choice, desktop, sessionType, waylandDisplay, display}), platform);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
