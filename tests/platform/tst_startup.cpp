// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/startup.h"

#include <QTest>

using namespace platform;

// Which platform the program asks Qt for, and what it says when the display
// fails: a player on GNOME's Wayland session gets the whole title through
// XWayland, any other desktop or the player's own choice stays Qt's, and only
// a failing display is ever worth a line on standard error.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void platformChoice_data();
    void platformChoice();
    void messages_data();
    void messages();
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
    row("GNOME on Wayland with XWayland: xcb", "", "GNOME", "wayland", "wayland-0", ":0", "xcb");
    row("Ubuntu's GNOME, lower case, by session type only: xcb", "", "ubuntu:gnome", "wayland", "", ":1", "xcb");
    row("GNOME Classic by its Wayland socket only: xcb", "", "GNOME-Classic:GNOME", "", "wayland-0", ":0", "xcb");
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

// Messages in order: a row of "type|text" entries, where type is w (warning),
// f (fatal), d (debug) or s (the display is now reached); the lines printed.
void TestStartup::messages_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("no X display: the first warning names it")
        << QStringList{"w|could not connect to display :77",
                       "w|Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.",
                       "f|This application failed to start because no Qt platform plugin could be initialized.\nReinstall."}
        << QStringList{"quillway: cannot connect to a display: could not connect to display :77"};
    QTest::newRow("fatal with no warning before: its own words, one line")
        << QStringList{"f|no platform\nat all"} << QStringList{"quillway: cannot connect to a display: no platform at all"};
    QTest::newRow("normal play: warnings and debug stay silent")
        << QStringList{"d|loading", "s|", "w|QWidget::repaint: Recursive repaint detected", "d|tick"} << QStringList{};
    QTest::newRow("X server gone during play")
        << QStringList{"s|", "w|The X11 connection broke (error 1). Did the X11 server die?"}
        << QStringList{"quillway: lost the display: The X11 connection broke (error 1). Did the X11 server die?"};
    QTest::newRow("compositor gone during play")
        << QStringList{"s|", "w|The Wayland connection broke. Did the Wayland compositor die?"}
        << QStringList{"quillway: lost the display: The Wayland connection broke. Did the Wayland compositor die?"};
    QTest::newRow("a fatal error in play is no display failure")
        << QStringList{"w|early warning", "s|", "f|out of memory"} << QStringList{"quillway: out of memory"};
}

void TestStartup::messages()
{
    QFETCH(QStringList, messages);
    QFETCH(QStringList, lines);
    StartupWatch watch(QStringLiteral("quillway"));
    QStringList printed;
    for (const QString &entry : messages) {
        const QString kind = entry.section(u'|', 0, 0);
        const QString text = entry.section(u'|', 1);
        if (kind == u"s") {
            watch.started();
            continue;
        }
        const QtMsgType type = kind == u"f" ? QtFatalMsg : kind == u"w" ? QtWarningMsg : QtDebugMsg;
        if (const std::optional<QString> line = watch.lineFor(type, text))
            printed << *line;
    }
    QCOMPARE(printed, lines);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
