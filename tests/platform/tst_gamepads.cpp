// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/program.h"

#include "platform/app.h"
#include "platform/dialogs.h"
#include "platform/gamepads.h"
#include "platform/testing/inputdriver.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingsound.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <SDL.h>

#include <map>

using platform::Gamepads;
namespace input = platform::testing::input;

namespace {

// A controller plugged in through SDL's virtual joysticks: its button i is
// the controller's button i, as on a pad with a standard mapping.
class VirtualPad
{
public:
    VirtualPad() { plug(); }
    ~VirtualPad() { pull(); }
    // Plugged in.
    void plug()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Test Pad";
        m_joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        m_id = SDL_JoystickInstanceID(m_joystick);
    }
    // Pulled out.
    void pull() { pull(std::exchange(m_joystick, nullptr), m_id); }
    // Another pad plugged in, and then this one pulled out.
    void replace()
    {
        SDL_Joystick *old = m_joystick;
        const SDL_JoystickID oldId = m_id;
        plug();
        pull(old, oldId);
    }
    // "up", "down", "left", "right" (the D-pad), "A", "B", "Start", "X";
    // "stick up" and so on push the left stick all the way.
    void set(const QString &control, bool down)
    {
        static const std::map<QString, SDL_GameControllerButton> buttons{{"up", SDL_CONTROLLER_BUTTON_DPAD_UP},
                                                                         {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
                                                                         {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
                                                                         {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
                                                                         {"A", SDL_CONTROLLER_BUTTON_A},
                                                                         {"B", SDL_CONTROLLER_BUTTON_B},
                                                                         {"Start", SDL_CONTROLLER_BUTTON_START},
                                                                         {"X", SDL_CONTROLLER_BUTTON_X},
                                                                         {"Back", SDL_CONTROLLER_BUTTON_BACK}};
        static const std::map<QString, std::pair<SDL_GameControllerAxis, int>> sticks{
            {"stick up", {SDL_CONTROLLER_AXIS_LEFTY, -32767}},
            {"stick down", {SDL_CONTROLLER_AXIS_LEFTY, 32767}},
            {"stick left", {SDL_CONTROLLER_AXIS_LEFTX, -32767}},
            {"stick right", {SDL_CONTROLLER_AXIS_LEFTX, 32767}},
            {"stick up within dead zone", {SDL_CONTROLLER_AXIS_LEFTY, -Gamepads::deadZone}}};
        if (const auto stick = sticks.find(control); stick != sticks.end())
            SDL_JoystickSetVirtualAxis(m_joystick, stick->second.first, Sint16(down ? stick->second.second : 0));
        else
            SDL_JoystickSetVirtualButton(m_joystick, buttons.at(control), down ? SDL_PRESSED : SDL_RELEASED);
    }

private:
    static void pull(SDL_Joystick *joystick, SDL_JoystickID id)
    {
        if (!joystick)
            return;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
        }
        SDL_JoystickClose(joystick);
    }

    SDL_Joystick *m_joystick = nullptr;
    SDL_JoystickID m_id = -1;
};

// The whole program on virtual time with the real boxes and a pad plugged in.
struct PadSession {
    QTemporaryDir scoresFolder;
    platform::testing::ManualClock clock;
    platform::QtDialogs boxes;
    platform::App app{clock, boxes};
    platform::testing::RecordingSound sound;
    front::Program program{app, scoresFolder.path()};
    Gamepads pads{clock};
    VirtualPad pad;

    PadSession()
    {
        app.setExitHandler([](int status) { throw platform::ProgramEnded{status}; });
        app.setSound(&sound);
        program.start();
        let(Gamepads::hotplugPollMs); // the pad is picked up
    }
    // Lets time pass, and the keys posted meanwhile arrive.
    void let(int ms)
    {
        clock.advance(ms);
        // The keys first (a Quit that ends the program unwinds through Qt's
        // own frames alone), then the window system's activations.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    // Holds a control for `ms`, then lets it go.
    void press(const QString &control, int ms = Gamepads::padPollMs)
    {
        pad.set(control, true);
        let(ms);
        pad.set(control, false);
        let(Gamepads::padPollMs);
    }
};

// When a box opens, the pad answers it with `controls`; the box is checked
// as it opens.
void answerBox(PadSession &s, const QStringList &controls, const std::function<void(QWidget *)> &check)
{
    auto *watch = new QTimer;
    QObject::connect(watch, &QTimer::timeout, [watch, &s, controls, check] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        watch->deleteLater();
        watch->stop();
        check(box);
        if (QTest::currentTestFailed()) {
            QMetaObject::invokeMethod(box, "reject"); // no test waits for ever
            return;
        }
        // As a desktop's window manager does; the offscreen platform leaves
        // no window active once the box before this one has closed.
        QApplication::setActiveWindow(box);
        for (const QString &control : controls)
            s.press(control);
    });
    watch->start(1);
}

} // namespace

class TestGamepads : public QObject
{
    Q_OBJECT

private slots:
    void inPlay_data();
    void inPlay();
    void answersBoxes_data();
    void answersBoxes();
    void menuAndRules();
    void twoPadsHoldOneDirection();
    void aPadPulledLeavesTheKeyboard();
    void aWholeGame();
    void noPadPollsOnceASecond();
};

void TestGamepads::inPlay_data()
{
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<int>("lanesUp");
    QTest::addColumn<int>("paused");
    QTest::addColumn<bool>("cues");

    QTest::newRow("D-pad up a lane") << QStringList{"up"} << 16 << 1 << 0 << false;
    QTest::newRow("stick up a lane") << QStringList{"stick up"} << 16 << 1 << 0 << false;
    QTest::newRow("stick in the dead zone still") << QStringList{"stick up within dead zone"} << 500 << 0 << 0 << false;
    QTest::newRow("up held repeats") << QStringList{"up"} << 560 << 3 << 0 << false;
    QTest::newRow("up and down") << QStringList{"up", "down"} << 16 << 0 << 0 << false;
    QTest::newRow("Start pauses") << QStringList{"Start"} << 16 << 0 << 1 << false;
    QTest::newRow("Start again resumes") << QStringList{"Start", "Start"} << 16 << 0 << 0 << false;
    QTest::newRow("paused, up does not move") << QStringList{"Start", "up"} << 16 << 0 << 1 << false;
    QTest::newRow("X gives nothing") << QStringList{"X"} << 16 << 0 << 0 << false;
    QTest::newRow("Back switches the sound cues on") << QStringList{"Back"} << 16 << 0 << 0 << true;
    // A wireless pad switched to its cable: another plugged in and the first
    // gone within one reading.
    QTest::newRow("pad replaced within one reading, then up") << QStringList{"replace", "up"} << 16 << 1 << 0 << false;
}

// The game window driven by the pad: the hedgehog's lanes and the pause.
void TestGamepads::inPlay()
{
    QFETCH(QStringList, controls);
    QFETCH(int, holdMs);
    QFETCH(int, lanesUp);
    QFETCH(int, paused);
    QFETCH(bool, cues);
    PadSession s;
    s.press("down");
    s.press("A"); // New Game
    game::QuillwayGame &g = s.program.game;
    QVERIFY(g.isVisible());
    // The traffic far away, so no car meets the hedgehog.
    for (platform::Image *v : {&g.RedCar1, &g.RedCar2, &g.RedCar3, &g.Lorry1, &g.Lorry2, &g.Lorry3})
        v->setLeft(50000);
    for (platform::Image *v : {&g.OrangeCar1, &g.OrangeCar2, &g.BlueCar1, &g.BlueCar2, &g.BlueCar3})
        v->setLeft(-50000);
    const float top = g.Hog.Top();
    for (const QString &control : controls) {
        if (control == "replace") {
            s.pad.replace();
            s.let(Gamepads::padPollMs);
        } else {
            s.press(control, holdMs);
        }
    }
    QCOMPARE(g.Hog.Top(), top - 1080.f * float(lanesUp));
    QCOMPARE(g.Paused, paused);
    QCOMPARE(g.soundCues.on(), cues);
}

void TestGamepads::answersBoxes_data()
{
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<bool>("playsAgain");

    QTest::newRow("A presses Yes, the default") << QStringList{"A"} << true;
    QTest::newRow("B answers No") << QStringList{"B"} << false;
    QTest::newRow("right then A: No") << QStringList{"right", "A"} << false;
    QTest::newRow("down then A: No") << QStringList{"down", "A"} << false;
    QTest::newRow("right, left, A: Yes") << QStringList{"right", "left", "A"} << true;
    QTest::newRow("down, up, A: Yes") << QStringList{"down", "up", "A"} << true;
}

// A game over with no score: "Play again?", a real Yes/No box, answered from
// the pad.
void TestGamepads::answersBoxes()
{
    QFETCH(QStringList, controls);
    QFETCH(bool, playsAgain);
    PadSession s;
    s.press("down");
    s.press("A");
    game::QuillwayGame &g = s.program.game;
    s.press("up"); // into the first lane, where the traffic comes
    g.Lives = 1;
    QString asked;
    answerBox(s, controls, [&](QWidget *box) {
        auto *message = qobject_cast<QMessageBox *>(box);
        QVERIFY(message);
        asked = message->text();
    });
    for (int i = 0; i < 600 && asked.isEmpty(); ++i)
        s.let(100);
    QCOMPARE(asked, QStringLiteral("Game over. Play again?"));
    QCOMPARE(g.isVisible(), playsAgain);
    QCOMPARE(g.Lives, playsAgain ? 3 : 1);
}

void TestGamepads::menuAndRules()
{
    PadSession s;
    s.press("down");
    s.press("down");
    QCOMPARE(s.program.mainMenu.focusedLabel(), &s.program.mainMenu.Help);
    s.press("A");
    QVERIFY(s.program.rules.isVisible());
    s.press("B");
    QVERIFY(!s.program.rules.isVisible());
    QVERIFY(s.program.mainMenu.isVisible());
}

// A second pad plays too; the same direction held on both is one held key.
void TestGamepads::twoPadsHoldOneDirection()
{
    PadSession s;
    VirtualPad second;
    s.let(Gamepads::padPollMs);
    QCOMPARE(s.pads.padCount(), 2);
    s.press("down");
    s.press("A");
    game::QuillwayGame &g = s.program.game;
    const float top = g.Hog.Top();
    second.set("up", true);
    s.let(Gamepads::padPollMs);
    s.pad.set("up", true); // no second press while the first is held
    s.let(Gamepads::padPollMs);
    second.set("up", false);
    s.let(Gamepads::padPollMs);
    s.pad.set("up", false);
    s.let(Gamepads::padPollMs);
    QCOMPARE(g.Hog.Top(), top - 1080.f);
}

void TestGamepads::aPadPulledLeavesTheKeyboard()
{
    PadSession s;
    s.press("down");
    s.press("A");
    game::QuillwayGame &g = s.program.game;
    const float top = g.Hog.Top();
    s.pad.set("up", true);
    s.let(Gamepads::padPollMs);
    s.pad.pull(); // with up held: up is let go, no repeat follows
    s.let(2000);
    QCOMPARE(s.pads.padCount(), 0);
    QCOMPARE(s.pads.pollPeriod(), Gamepads::hotplugPollMs);
    QCOMPARE(g.Hog.Top(), top - 1080.f);
    input::pressKey(g, Qt::Key_Up);
    QCOMPARE(g.Hog.Top(), top - 2 * 1080.f);
}

// From the menu through a game over, the name box and "Play again?" to
// Quit, all from the pad.
void TestGamepads::aWholeGame()
{
    PadSession s;
    s.press("down");
    s.press("A");
    game::QuillwayGame &g = s.program.game;
    QVERIFY(g.isVisible());
    s.press("up"); // into the first lane, where the traffic comes
    g.Lives = 1;
    g.Score = 150; // a high score, so the name is asked
    QString offered;
    answerBox(s, {"A"}, [&](QWidget *box) {
        auto *name = qobject_cast<QInputDialog *>(box);
        QVERIFY(name);
        offered = name->textValue();
        answerBox(s, {"B"}, [](QWidget *again) { QVERIFY(qobject_cast<QMessageBox *>(again)); });
    });
    for (int i = 0; i < 600 && g.isVisible(); ++i)
        s.let(100);
    QCOMPARE(offered, QStringLiteral("Anonymous"));
    QVERIFY(!g.isVisible()); // "Play again?" answered No
    QVERIFY(s.program.mainMenu.isVisible());
    // Quit, its question answered No from the pad. (Yes ends the program,
    // which a test cannot follow out of the box's event loop.)
    QApplication::setActiveWindow(s.program.mainMenu.widget()); // as the window manager does
    QString asked;
    answerBox(s, {"B"}, [&](QWidget *box) {
        auto *message = qobject_cast<QMessageBox *>(box);
        QVERIFY(message);
        asked = message->text();
    });
    s.press("up");
    s.press("A");
    QCOMPARE(asked, QStringLiteral("Are you sure you want to quit?"));
    QVERIFY(s.program.mainMenu.isVisible());
}

void TestGamepads::noPadPollsOnceASecond()
{
    PadSession s;
    QCOMPARE(s.pads.pollPeriod(), Gamepads::padPollMs);
    s.pad.pull();
    s.let(Gamepads::padPollMs);
    QCOMPARE(s.pads.pollPeriod(), Gamepads::hotplugPollMs);
}

QTEST_MAIN(TestGamepads)
#include "tst_gamepads.moc"
