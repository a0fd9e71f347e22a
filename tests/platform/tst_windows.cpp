// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include "platform/keys.h"
#include "platform/runtimeerror.h"
#include "platform/testing/inputdriver.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

using namespace platform;
using namespace platform::testing;

// The life of a window: loading on access, activation, keys, closing, and
// how the program ends.
class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void accessLoadsTheWindow();
    void unloadRebuildsControlsButKeepsVariables();
    void activation_data();
    void activation();
    void keys_data();
    void keys();
    void keysFromLayouts_data();
    void keysFromLayouts();
    void closeBox_data();
    void closeBox();
    void endStopsEverything();
    void endFromInsideABox();
    void nothingVisibleEndsTheProgram();
    void hidingOneWindowToShowAnotherDoesNotEnd();
    void escapingErrorEndsWithAMessage();
    void negativeWidthIsRefused();
};

void TestWindows::accessLoadsTheWindow()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    QVERIFY(!window.isLoaded());
    QCOMPARE(window.Front.Left(), 300.0f);
    QVERIFY(window.isLoaded());
    window.Caption();
    QCOMPARE(window.log, QStringList{"Form_Load"});
    QVERIFY(!window.isVisible());
}

void TestWindows::unloadRebuildsControlsButKeepsVariables()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    window.Show();
    window.Front.setLeft(-45.5f);
    window.Timer2.setEnabled(true);
    window.setCaption(QStringLiteral("Changed"));
    window.cancelUnload = 7; // a variable of the window object
    window.Unload();
    QVERIFY(!window.isLoaded());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.Front.Left(), 300.0f);
    QVERIFY(!window.Timer2.Enabled());
    QCOMPARE(window.Caption(), QStringLiteral("W caption"));
    QCOMPARE(window.cancelUnload, 7);
    QCOMPARE(window.log.count(QStringLiteral("Form_Load")), 2);
}

using Steps = std::function<void(TestWindow &a, TestWindow &b)>;
Q_DECLARE_METATYPE(Steps)

void TestWindows::activation_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("activations"); // of window a, after its first showing

    QTest::newRow("first showing fires once") << Steps([](TestWindow &, TestWindow &) {}) << 1;
    QTest::newRow("show while active: nothing") << Steps([](TestWindow &a, TestWindow &) { a.Show(); }) << 1;
    QTest::newRow("show after hide fires") << Steps([](TestWindow &a, TestWindow &) {
        a.Hide();
        a.Show();
    }) << 2;
    QTest::newRow("window manager focus after show: same switch")
        << Steps([](TestWindow &a, TestWindow &) { input::switchTo(a); }) << 1;
    QTest::newRow("switch to another window and back fires") << Steps([](TestWindow &a, TestWindow &b) {
        input::switchTo(b);
        input::switchTo(a);
    }) << 2;
    QTest::newRow("another application and back: nothing") << Steps([](TestWindow &a, TestWindow &) {
        input::leaveProgram(a);
        input::switchTo(a);
    }) << 1;
    QTest::newRow("a box closing over the window: nothing") << Steps([](TestWindow &a, TestWindow &) {
        QWindow box; // the focus goes to a window that is not one of ours, then back
        a.app().focusLanded(&box);
        input::switchTo(a);
    }) << 1;
    QTest::newRow("the other window closes and the focus falls back: fires") << Steps([](TestWindow &a, TestWindow &b) {
        b.Show();
        b.Unload();
        input::switchTo(a);
    }) << 2;
    QTest::newRow("focus on a hidden window: nothing") << Steps([](TestWindow &a, TestWindow &b) {
        input::switchTo(b);
        a.Hide();
        input::switchTo(a);
    }) << 1;
}

void TestWindows::activation()
{
    QFETCH(Steps, steps);
    QFETCH(int, activations);
    TestProgram program;
    TestWindow a(program.app, QStringLiteral("A"));
    TestWindow b(program.app, QStringLiteral("B"));
    program.app.add(a);
    program.app.add(b);
    program.app.dispatch([&] {
        b.Show();
        a.Show();
        steps(a, b);
    });
    QCOMPARE(a.log.count(QStringLiteral("Form_Activate")), activations);
    QCOMPARE(a.log.first(), QStringLiteral("Form_Load")); // Load always comes before Activate
}

void TestWindows::keys_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("delivered");

    QTest::newRow("left arrow") << int(Qt::Key_Left) << 0 << "KeyDown 37 0";
    QTest::newRow("up arrow") << int(Qt::Key_Up) << 0 << "KeyDown 38 0";
    QTest::newRow("right arrow") << int(Qt::Key_Right) << 0 << "KeyDown 39 0";
    QTest::newRow("down arrow") << int(Qt::Key_Down) << 0 << "KeyDown 40 0";
    QTest::newRow("P is its capital letter code") << int(Qt::Key_P) << 0 << "KeyDown 80 0";
    QTest::newRow("shift+P carries the shift state") << int(Qt::Key_P) << int(Qt::ShiftModifier) << "KeyDown 80 1";
    QTest::newRow("ctrl+alt+up") << int(Qt::Key_Up) << int(Qt::ControlModifier | Qt::AltModifier) << "KeyDown 38 6";
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << "KeyDown 32 0";
    QTest::newRow("digit 7") << int(Qt::Key_7) << 0 << "KeyDown 55 0";
    QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "KeyDown 116 0";
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "KeyDown 27 0";
    // Tab would otherwise move the keyboard focus, and never reach the window.
    QTest::newRow("tab reaches the window") << int(Qt::Key_Tab) << 0 << "KeyDown 9 0";
    // Every key the desktop has a code for reaches the window.
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("comma") << int(Qt::Key_Comma) << 0 << "KeyDown 188 0";
    QTest::newRow("semicolon") << int(Qt::Key_Semicolon) << 0 << "KeyDown 186 0";
    QTest::newRow("shift+= types + on the = key") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << "KeyDown 187 1";
    QTest::newRow("shift+1 types ! on the 1 key") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << "KeyDown 49 1";
    QTest::newRow("slash") << int(Qt::Key_Slash) << 0 << "KeyDown 191 0";
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << "KeyDown 109 0";
    QTest::newRow("keypad asterisk") << int(Qt::Key_Asterisk) << keypad << "KeyDown 106 0";
    QTest::newRow("keypad 7") << int(Qt::Key_7) << keypad << "KeyDown 103 0";
    QTest::newRow("keypad arrow without Num Lock") << int(Qt::Key_Left) << keypad << "KeyDown 37 0";
    QTest::newRow("Windows key") << int(Qt::Key_Meta) << 0 << "KeyDown 91 0";
    QTest::newRow("menu key") << int(Qt::Key_Menu) << 0 << "KeyDown 93 0";
    QTest::newRow("Print Screen") << int(Qt::Key_Print) << 0 << "KeyDown 44 0";
    QTest::newRow("Scroll Lock") << int(Qt::Key_ScrollLock) << 0 << "KeyDown 145 0";
    QTest::newRow("Num Lock") << int(Qt::Key_NumLock) << 0 << "KeyDown 144 0";
    QTest::newRow("a letter of another alphabet") << int(Qt::Key_Adiaeresis) << 0 << "KeyDown 223 0";
}

// The last handler a shown window ran after a key press.
static QString lastHandlerAfterKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0)
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    program.app.add(window);
    program.app.dispatch([&] { window.Show(); });
    input::pressKey(window, qtKey, modifiers, scanCode);
    return window.log.last();
}

void TestWindows::keys()
{
    QFETCH(int, qtKey);
    QFETCH(int, modifiers);
    QFETCH(QString, delivered);
    QCOMPARE(lastHandlerAfterKey(qtKey, Qt::KeyboardModifiers(modifiers)), delivered);
}

// Keys whose character has no code of its own are told by their place (the
// X keycode); a key with a code keeps it, wherever it lies.
void TestWindows::keysFromLayouts_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<QString>("delivered");

    constexpr int placeOfP = 33;
    QTest::newRow("Russian: з in P's place pauses") << 0x417 << placeOfP << "KeyDown 80 0";
    QTest::newRow("Greek: π in P's place") << 0x3a0 << placeOfP << "KeyDown 80 0";
    QTest::newRow("Hebrew: פ in P's place") << 0x5e4 << placeOfP << "KeyDown 80 0";
    QTest::newRow("Russian: ы in S's place switches the sound") << 0x42b << 39 << "KeyDown 83 0";
    QTest::newRow("Russian: first letter of the row") << 0x419 << 24 << "KeyDown 81 0";
    QTest::newRow("Russian: ю in the full stop's place") << 0x42e << 60 << "KeyDown 190 0";
    QTest::newRow("German: Z in Y's place keeps Z") << int(Qt::Key_Z) << 29 << "KeyDown 90 0";
    QTest::newRow("German: ü keeps its code") << int(Qt::Key_Udiaeresis) << 34 << "KeyDown 223 0";
    QTest::newRow("dead circumflex in the grave key's place") << int(Qt::Key_Dead_Circumflex) << 49 << "KeyDown 192 0";
    QTest::newRow("dead acute beside left Shift") << int(Qt::Key_Dead_Acute) << 94 << "KeyDown 226 0";
    QTest::newRow("Compose on the menu key") << int(Qt::Key_Multi_key) << 135 << "KeyDown 93 0";
    QTest::newRow("a key of no known place still reaches the game") << int(Qt::Key_unknown) << 200 << "KeyDown 255 0";
    QTest::newRow("without a place, nothing: only a keyboard has places") << 0x417 << 0 << "Form_Activate";
}

void TestWindows::keysFromLayouts()
{
    QFETCH(int, qtKey);
    QFETCH(int, scanCode);
    QFETCH(QString, delivered);
    QCOMPARE(lastHandlerAfterKey(qtKey, Qt::NoModifier, quint32(scanCode)), delivered);
}

void TestWindows::closeBox_data()
{
    QTest::addColumn<int>("cancel");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("Cancel 0 lets it close") << 0 << false;
    QTest::newRow("Cancel 1 keeps it open") << 1 << true;
    QTest::newRow("any other Cancel keeps it open") << -1 << true;
}

void TestWindows::closeBox()
{
    QFETCH(int, cancel);
    QFETCH(bool, staysOpen);
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    TestWindow other(program.app, QStringLiteral("Other"));
    program.app.add(window);
    program.app.add(other);
    program.app.dispatch([&] {
        other.Show();
        window.Show();
    });
    window.cancelUnload = cancel;
    input::close(window);
    QCOMPARE(window.log.last(), QStringLiteral("Form_Unload"));
    QCOMPARE(window.isLoaded(), staysOpen);
    QCOMPARE(window.isVisible(), staysOpen);
    QCOMPARE(program.app.activeForm(), staysOpen ? &window : nullptr);
    QVERIFY(!program.app.hasEnded());
}

void TestWindows::endStopsEverything()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    program.app.add(window);
    bool ranOn = false;
    program.app.dispatch([&] {
        window.Show();
        program.app.End();
        ranOn = true;
    });
    QVERIFY(program.app.hasEnded());
    QCOMPARE(program.app.exitStatus(), 0);
    QVERIFY(!ranOn);
    program.clock.advance(1000);
    input::close(window);
    QVERIFY(window.ticks[1].isEmpty());
    QVERIFY(!window.log.contains(QStringLiteral("Form_Unload")));
}

void TestWindows::endFromInsideABox()
{
    // A tick that ends the program while a box is open: neither the box's
    // caller nor anything else runs on.
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    program.app.add(window);
    program.boxes.answerMessage(vbYes, 1000);
    window.onTick = [&](int) { program.app.End(); };
    bool callerRanOn = false;
    program.app.dispatch([&] {
        window.Show();
        window.MsgBox(QStringLiteral("Sure?"), vbYesNo, QStringLiteral("Q"));
        callerRanOn = true;
    });
    QVERIFY(program.app.hasEnded());
    QCOMPARE(program.app.exitStatus(), 0);
    QVERIFY(!callerRanOn);
    QCOMPARE(window.ticks[1].size(), 1);
}

void TestWindows::nothingVisibleEndsTheProgram()
{
    // A hidden window must not keep an invisible process alive.
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    program.app.add(window);
    program.app.dispatch([&] { window.Show(); });
    window.onTick = [&](int) { window.Hide(); };
    program.clock.advance(300);
    QVERIFY(window.isLoaded());
    QVERIFY(program.app.hasEnded());
    QCOMPARE(program.app.exitStatus(), 0);
}

void TestWindows::hidingOneWindowToShowAnotherDoesNotEnd()
{
    TestProgram program;
    TestWindow a(program.app, QStringLiteral("A"));
    TestWindow b(program.app, QStringLiteral("B"));
    program.app.add(a);
    program.app.add(b);
    program.app.dispatch([&] { a.Show(); });
    program.app.dispatch([&] {
        a.Hide();
        b.Show();
    });
    QVERIFY(!program.app.hasEnded());
    QVERIFY(b.isVisible());
}

void TestWindows::escapingErrorEndsWithAMessage()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    program.app.add(window);
    program.app.dispatch([&] {
        window.Show();
        window.Front.setWidth(-1);
    });
    QVERIFY(program.app.hasEnded());
    QCOMPARE(program.app.exitStatus(), 1);
    QCOMPARE(program.boxes.shown().size(), 1);
    QVERIFY(program.boxes.shown().first().prompt.contains(QStringLiteral("380")));
}

void TestWindows::negativeWidthIsRefused()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    window.Front.setWidth(45);
    try {
        window.Front.setWidth(-55);
        QFAIL("a negative width was accepted");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), errors::InvalidPropertyValue);
    }
    QCOMPARE(window.Front.Width(), 45.0f);
    window.Front.setWidth(0);
    QCOMPARE(window.Front.Width(), 0.0f);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
