// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamerig.h"

#include "platform/keys.h"
#include "platform/testing/inputdriver.h"
#include "scores/scorefiles.h"
#include "storage/rtf.h"

#include <QFile>
#include <QRect>
#include <QTest>

#include <algorithm>

namespace {

// Another window of the program, for the player to switch to and back.
class OtherWindow final : public platform::Form
{
public:
    explicit OtherWindow(platform::App &app)
        : Form(app, QStringLiteral("Other"), {QStringLiteral("Other"), 3000, 2000, QColor(192, 192, 192), QString()})
    {
    }
};

void writeTableFile(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(storage::rtf::write(text));
}

void writeTable(const QString &folder, const QStringList &scores, const QStringList &names)
{
    for (int rank = 1; rank <= 5; ++rank) {
        writeTableFile(scores::scoreFilePath(folder, rank), scores.at(rank - 1));
        writeTableFile(scores::nameFilePath(folder, rank), names.at(rank - 1));
    }
}

} // namespace

// What the game window looks like when it opens, and the new game that every
// activation sets up.
class TestGameSetUp : public QObject
{
    Q_OBJECT

private slots:
    void firstShowing();
    void onTheField_data();
    void onTheField();
    void paintOrder();
    void reactivationStartsNewGame_data();
    void reactivationStartsNewGame();
    void pausedGameStaysPausedAfterReactivation();
    void tableLoadedAtEveryActivation_data();
    void tableLoadedAtEveryActivation();
};

void TestGameSetUp::firstShowing()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();

    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game"));
    QCOMPARE(g.Score, 0);
    QCOMPARE(g.Lives, 3);
    QCOMPARE(g.Level, 1);
    QCOMPARE(g.DeathTicks, 0);
    QCOMPARE(g.Paused, 0);
    QCOMPARE(g.PlayerName, QStringLiteral("Anonymous"));
    QCOMPARE(g.Hog.Left(), 3360.f);
    QCOMPARE(g.Hog.Top(), 5520.f);
    QCOMPARE(g.Timer.Width(), 7245.f);
    for (platform::Timer *t : {&g.Timer1, &g.Timer2, &g.Timer3, &g.Timer4, &g.Timer5})
        QVERIFY2(t->Enabled(), qPrintable(t->name()));
    QVERIFY(!g.Timer6.Enabled());
    QCOMPARE(g.Timer6.Interval(), 1);
    QCOMPARE(g.widget()->windowTitle(), QStringLiteral("Quillway - Game"));
}

void TestGameSetUp::onTheField_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<bool>("seen");

    // The third vehicle of three lanes waits off the field, and the squashed
    // hedgehog is hidden until a death.
    const char *const seen[] = {"Timer",      "BlueCar1",   "BlueCar2", "Lorry1",  "Lorry2",
                                "OrangeCar1", "OrangeCar2", "RedCar1",  "RedCar2", "Hog"};
    for (const char *name : seen)
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const char *name : {"BlueCar3", "Lorry3", "RedCar3", "HogDead"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void TestGameSetUp::onTheField()
{
    QFETCH(QString, image);
    QFETCH(bool, seen);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    const auto &controls = g.controls();
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [&](const platform::Control *c) { return c->name() == image; });
    QVERIFY(it != controls.end());
    const auto *picture = dynamic_cast<const platform::Image *>(*it);
    QVERIFY(picture);

    const QRectF field(0, 0, 7665, 6495);
    const QRectF area(picture->Left(), picture->Top(), picture->Width(), picture->Height());
    QCOMPARE(picture->Visible() && field.intersects(area), seen);
}

void TestGameSetUp::paintOrder()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    const auto &controls = g.controls();
    const auto place = [&](const platform::Control &c) {
        return std::find(controls.begin(), controls.end(), &c) - controls.begin();
    };

    QVERIFY(place(g.HogDead) < place(g.Hog));
    for (const platform::Image *v : {&g.BlueCar1, &g.BlueCar2, &g.BlueCar3, &g.Lorry1, &g.Lorry2, &g.Lorry3,
                                     &g.OrangeCar1, &g.OrangeCar2, &g.RedCar1, &g.RedCar2, &g.RedCar3}) {
        QVERIFY2(place(g.Hog) < place(*v), qPrintable(v->name()));
        QVERIFY2(place(*v) < place(g.Timer), qPrintable(v->name()));
    }
}

void TestGameSetUp::reactivationStartsNewGame_data()
{
    QTest::addColumn<bool>("viaOtherWindow");

    QTest::newRow("player switches away and back") << true;
    QTest::newRow("window hidden and shown again") << false;
}

void TestGameSetUp::reactivationStartsNewGame()
{
    QFETCH(bool, viaOtherWindow);

    GameRig rig;
    game::QuillwayGame &g = rig.game();
    OtherWindow other(rig.app);
    rig.app.add(other);

    rig.clock.advance(900); // three countdown ticks, some traffic
    g.Form_KeyDown(platform::vk::Left, 0);
    g.Form_KeyDown(platform::vk::Up, 0); // into the red lane, between two cars
    QCOMPARE(g.Hog.Top(), 4440.f);
    QVERIFY(!g.Timer6.Enabled());
    g.Lives = 1;
    g.Level = 10;
    g.DeathTicks = 12;
    g.PlayerName = QStringLiteral("Ann");
    g.Timer.setWidth(300);
    g.Timer5_Timer(); // sets the level-10 pace
    QCOMPARE(g.Score, -4);
    const QString oldTitle = g.Caption();
    const qint64 lastTick = rig.clock.now();

    std::vector<float> traffic;
    for (const platform::Image *v : {&g.BlueCar1, &g.Lorry2, &g.OrangeCar1, &g.RedCar3})
        traffic.push_back(v->Left());

    if (viaOtherWindow) {
        other.Show();
        platform::testing::input::switchTo(g);
    } else {
        g.Hide();
        g.Show();
    }

    QCOMPARE(g.Score, 0);
    QCOMPARE(g.Lives, 3);
    QCOMPARE(g.Level, 1);
    QCOMPARE(g.DeathTicks, 0);
    QCOMPARE(g.PlayerName, QStringLiteral("Anonymous"));
    QCOMPARE(g.Hog.Left(), 3360.f);
    QCOMPARE(g.Hog.Top(), 5520.f);
    QCOMPARE(g.Timer.Width(), 7245.f);
    std::vector<float> trafficAfter;
    for (const platform::Image *v : {&g.BlueCar1, &g.Lorry2, &g.OrangeCar1, &g.RedCar3})
        trafficAfter.push_back(v->Left());
    QCOMPARE(trafficAfter, traffic);

    // The title waits for the countdown, which keeps its old pace for one
    // more tick.
    QCOMPARE(g.Caption(), oldTitle);
    QCOMPARE(g.Timer5.Interval(), 75);
    rig.clock.advance(lastTick + 75 - rig.clock.now());
    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: -1 - Lives: 3 - Level: 1"));
    QCOMPARE(g.Timer5.Interval(), 300);
}

void TestGameSetUp::pausedGameStaysPausedAfterReactivation()
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    OtherWindow other(rig.app);
    rig.app.add(other);
    rig.clearRoad();
    platform::testing::input::pressKey(g, Qt::Key_P);

    other.Show();
    platform::testing::input::switchTo(g);

    QCOMPARE(g.Paused, 1);
    for (platform::Timer *t : {&g.Timer1, &g.Timer2, &g.Timer3, &g.Timer4, &g.Timer5})
        QVERIFY2(t->Enabled(), qPrintable(t->name()));
    platform::testing::input::pressKey(g, Qt::Key_Up);
    QCOMPARE(g.Hog.Top(), 5520.f);

    // The next tick drops the pause mark; the keys stay dead until P.
    rig.clock.advance(300);
    QCOMPARE(g.Caption(), QStringLiteral("Quillway - Game - Score: -1 - Lives: 3 - Level: 1"));
    platform::testing::input::pressKey(g, Qt::Key_Up);
    QCOMPARE(g.Hog.Top(), 5520.f);

    platform::testing::input::pressKey(g, Qt::Key_P);
    QCOMPARE(g.Paused, 0);
    platform::testing::input::pressKey(g, Qt::Key_Up);
    QCOMPARE(g.Hog.Top(), 4440.f);
}

void TestGameSetUp::tableLoadedAtEveryActivation_data()
{
    QTest::addColumn<bool>("removeFileBeforeReactivation");

    QTest::newRow("files rewritten: new table") << false;
    QTest::newRow("one file gone: table kept") << true;
}

void TestGameSetUp::tableLoadedAtEveryActivation()
{
    QFETCH(bool, removeFileBeforeReactivation);

    QTemporaryDir dir;
    writeTable(dir.path(), {"5000", "4000", "3000", "2000", "1000"}, {"Ann", "Bob", "Cy", "Di", "Ed"});
    GameRig rig(dir.path());
    game::QuillwayGame &g = rig.game();
    QCOMPARE(g.HighScores.entry(1).score, scores::Slot(5000));
    QCOMPARE(g.HighScores.entry(5).name, QStringLiteral("Ed"));

    writeTable(dir.path(), {"9000", "", "", "", ""}, {"Zed", "", "", "", ""});
    if (removeFileBeforeReactivation)
        QVERIFY(QFile::remove(scores::nameFilePath(dir.path(), 3)));
    g.Hide();
    g.Show();

    if (removeFileBeforeReactivation) {
        QCOMPARE(g.HighScores.entry(1).score, scores::Slot(5000));
        QCOMPARE(g.HighScores.entry(1).name, QStringLiteral("Ann"));
        QCOMPARE(g.HighScores.entry(5).score, scores::Slot(1000));
    } else {
        QCOMPARE(g.HighScores.entry(1).score, scores::Slot(9000));
        QCOMPARE(g.HighScores.entry(1).name, QStringLiteral("Zed"));
        QCOMPARE(g.HighScores.entry(5).score, scores::Slot());
    }
    // The new game is set up either way.
    QCOMPARE(g.Score, 0);
    QCOMPARE(g.Lives, 3);
}

QTEST_MAIN(TestGameSetUp)
#include "tst_gamesetup.moc"
