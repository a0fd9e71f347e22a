// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include "platform/pictures.h"
#include "platform/testing/inputdriver.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace platform;
using namespace platform::testing;

// What the player sees: stretch, clip, stacking and hidden images, rendered
// and checked pixel by pixel.
class TestDrawing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pixels_data();
    void pixels();
    void clickOnImageOverLabelIsTheLabels();
    void windowPictureAndLabels();
    void textStaysInsideItsInk_data();
    void textStaysInsideItsInk();
    void displayScale_data();
    void displayScale();

private:
    QTemporaryDir m_dir;
    QString m_back;
    QString m_front;
};

namespace {
const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);
const QRgb green = qRgb(0, 255, 0);
const QRgb yellow = qRgb(255, 255, 0);
const QRgb grey = qRgb(128, 128, 128);

// Two colours side by side, two pixels each, two rows high; `scale` times
// as many pixels each way for a high-resolution drawing.
QString writePicture(const QString &path, QRgb left, QRgb right, int scale = 1)
{
    QImage image(4 * scale, 2 * scale, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < image.width() / 2 ? left : right);
    }
    image.save(path, "BMP");
    return path;
}
} // namespace

void TestDrawing::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_back = writePicture(m_dir.filePath(QStringLiteral("back.bmp")), red, blue);
    m_front = writePicture(m_dir.filePath(QStringLiteral("front.bmp")), green, yellow);
    // Each drawing of "scaled" in colours of its own, to tell which one was drawn.
    writePicture(m_dir.filePath(QStringLiteral("scaled.bmp")), red, red);
    writePicture(m_dir.filePath(QStringLiteral("scaled@2x.bmp")), green, blue, 2);
    writePicture(m_dir.filePath(QStringLiteral("scaled@3x.bmp")), yellow, yellow, 3);
}

using Change = std::function<void(TestWindow &)>;
Q_DECLARE_METATYPE(Change)
using Expectations = QList<std::pair<QPoint, QRgb>>;
Q_DECLARE_METATYPE(Expectations)
Q_DECLARE_METATYPE(platform::LabelLayout)

void TestDrawing::pixels_data()
{
    // Back: stretched 4x2 picture over 40x20 px at (10,10). Front: unstretched
    // at (20,10), 40x20 px, its picture 4x2 px at the top-left, behind it Back.
    QTest::addColumn<Change>("change");
    QTest::addColumn<Expectations>("expected");

    QTest::newRow("layout") << Change()
                            << Expectations{
                                   {{5, 5}, grey},    {{80, 70}, grey},   // window colour
                                   {{12, 25}, red},   {{45, 25}, blue},   // stretched to 40x20
                                   {{20, 10}, green}, {{23, 11}, yellow}, // unstretched, in front
                                   {{24, 10}, red},   {{20, 12}, red},
                                   {{35, 20}, blue}, // clipped to its picture's size
                               };
    QTest::newRow("hidden image shows what is behind")
        << Change([](TestWindow &w) { w.Front.setVisible(false); }) << Expectations{{{20, 10}, red}, {{23, 11}, red}};
    QTest::newRow("unstretched picture clipped to a narrower control")
        << Change([](TestWindow &w) { w.Front.setWidth(30); }) << Expectations{{{21, 10}, green}, {{22, 10}, red}};
    QTest::newRow("width 0 shows nothing")
        << Change([](TestWindow &w) { w.Front.setWidth(0); }) << Expectations{{{20, 10}, red}};
    QTest::newRow("partly left of the window") << Change([](TestWindow &w) { w.Back.setLeft(-300); })
                                               << Expectations{{{5, 25}, blue}, {{19, 25}, blue}, {{21, 25}, grey}};
    QTest::newRow("moved: old place repainted")
        << Change([](TestWindow &w) { w.Back.setTop(900); }) << Expectations{{{12, 25}, grey}, {{12, 65}, red}};
}

void TestDrawing::pixels()
{
    QFETCH(Change, change);
    QFETCH(Expectations, expected);
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"), m_back, m_front);
    program.app.add(window);
    window.Caption1.setCaption(QString());
    program.app.dispatch([&] { window.Show(); });
    if (change)
        change(window);
    const QImage shot = window.widget()->grab().toImage();
    QCOMPARE(shot.size(), QSize(100, 80));
    for (const auto &[point, colour] : expected) {
        QVERIFY2(
            shot.pixel(point) == colour,
            qPrintable(QStringLiteral("at (%1,%2): %3").arg(point.x()).arg(point.y()).arg(shot.pixel(point), 8, 16)));
    }
}

void TestDrawing::clickOnImageOverLabelIsTheLabels()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"), m_back, m_front);
    program.app.add(window);
    program.app.dispatch([&] { window.Show(); });
    input::clickAt(window, 21, 11); // on the front image, inside the label
    input::clickAt(window, 80, 70); // outside every label
    QCOMPARE(window.log.count(QStringLiteral("Caption1_Click")), 1);
}

namespace {
// A window with a background picture and a centred label lying over it.
struct PictureWindow : platform::Form {
    PictureWindow(App &app, const QString &picture)
        : Form(app, QStringLiteral("P"), {QStringLiteral("P"), 1500, 1200, QColor(192, 192, 192), picture})
    {
    }
    Label Title{this,
                {QStringLiteral("Title"), QStringLiteral("IIII"), 0, 0, 1500, 600, QColor(0, 0, 255),
                 QStringLiteral("Arial"), 18, Qt::AlignHCenter, false}};
};
} // namespace

void TestDrawing::windowPictureAndLabels()
{
    TestProgram program;
    PictureWindow window(program.app, m_back);
    program.app.add(window);
    program.app.dispatch([&] { window.Show(); });
    const QImage shot = window.widget()->grab().toImage();
    // The picture once, unscaled, at the top-left; the label lets it show.
    QCOMPARE(shot.pixel(0, 0), red);
    QCOMPARE(shot.pixel(3, 1), blue);
    QCOMPARE(shot.pixel(4, 0), qRgb(192, 192, 192));
    QCOMPARE(shot.pixel(0, 2), qRgb(192, 192, 192));
    // The text in its colour, centred across the label's width.
    int first = shot.width(), last = -1;
    for (int y = 4; y < 40; ++y) { // below the picture, which has blue in it
        for (int x = 0; x < shot.width(); ++x) {
            if (qBlue(shot.pixel(x, y)) > 200 && qRed(shot.pixel(x, y)) < 100) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    QVERIFY2(last > first, "no text drawn in the label's colour");
    QVERIFY2(std::abs(first - (shot.width() - 1 - last)) <= 2,
             qPrintable(QStringLiteral("text from %1 to %2 in a %3 px label").arg(first).arg(last).arg(shot.width())));
}

namespace {
// A window with one label, laid out as a test row says.
struct LabelWindow : platform::Form {
    LabelWindow(App &app, const LabelLayout &layout)
        : Form(app, QStringLiteral("L"), {QStringLiteral("L"), 4500, 1500, QColor(192, 192, 192), {}})
        , Text(this, layout)
    {
    }
    Label Text;
};
} // namespace

void TestDrawing::textStaysInsideItsInk_data()
{
    // A repaint that misses a label's ink skips its text; so every pixel the
    // text paints must lie in that ink rectangle.
    QTest::addColumn<platform::LabelLayout>("layout");
    QTest::newRow("title, centred, descenders") << platform::LabelLayout{QStringLiteral("T"),
                                                                         QStringLiteral("Quillway gjpqy"),
                                                                         120,
                                                                         240,
                                                                         4335,
                                                                         735,
                                                                         Qt::red,
                                                                         QStringLiteral("Arial"),
                                                                         29.25,
                                                                         Qt::AlignHCenter,
                                                                         false};
    QTest::newRow("paragraph, wrapped") << platform::LabelLayout{
        QStringLiteral("P"),
        QStringLiteral("In Quillway you guide the hedgehog across the road; [{Qjy}] \u00c9\u00c5"),
        120,
        0,
        2000,
        1500,
        Qt::black,
        QStringLiteral("MS Sans Serif"),
        7.5,
        Qt::AlignLeft,
        true};
    QTest::newRow("text wider than its label") << platform::LabelLayout{QStringLiteral("W"),
                                                                        QStringLiteral("WWWWWWWWWWWWWWWWWWWW"),
                                                                        600,
                                                                        300,
                                                                        900,
                                                                        400,
                                                                        Qt::blue,
                                                                        QStringLiteral("Arial"),
                                                                        24,
                                                                        Qt::AlignHCenter,
                                                                        false};
}

void TestDrawing::textStaysInsideItsInk()
{
    QFETCH(platform::LabelLayout, layout);
    TestProgram program;
    LabelWindow window(program.app, layout);
    program.app.add(window);
    program.app.dispatch([&] { window.Show(); });
    const QRect ink = window.Text.inkRect();
    const QImage withText = window.widget()->grab().toImage();
    window.Text.setCaption(QString());
    const QImage without = window.widget()->grab().toImage();
    int painted = 0;
    for (int y = 0; y < withText.height(); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            if (withText.pixel(x, y) == without.pixel(x, y))
                continue;
            ++painted;
            QVERIFY2(ink.contains(x, y),
                     qPrintable(QStringLiteral("text at (%1,%2) outside its ink %3,%4 %5x%6")
                                    .arg(x)
                                    .arg(y)
                                    .arg(ink.x())
                                    .arg(ink.y())
                                    .arg(ink.width())
                                    .arg(ink.height())));
        }
    }
    QVERIFY(painted > 0);
}

void TestDrawing::displayScale_data()
{
    // The 4x2 picture in a 40x20 area at (10,10): stretched over it, or at its
    // own size from its corner. The device rectangle rounds each product.
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<QRect>("device");
    QTest::addColumn<QRgb>("leftColour"); // tells the drawing used
    QTest::newRow("1: stretched") << 1.0 << true << QRect(10, 10, 40, 20) << red;
    QTest::newRow("1: own size") << 1.0 << false << QRect(10, 10, 4, 2) << red;
    QTest::newRow("1.25: stretched, 2x shrunk") << 1.25 << true << QRect(13, 13, 50, 25) << green;
    QTest::newRow("1.25: own size, 2x shrunk") << 1.25 << false << QRect(13, 13, 5, 3) << green;
    QTest::newRow("1.5: stretched, 2x shrunk") << 1.5 << true << QRect(15, 15, 60, 30) << green;
    QTest::newRow("1.5: own size, 2x shrunk") << 1.5 << false << QRect(15, 15, 6, 3) << green;
    QTest::newRow("2: stretched, 2x") << 2.0 << true << QRect(20, 20, 80, 40) << green;
    QTest::newRow("2: own size, 2x as it is") << 2.0 << false << QRect(20, 20, 8, 4) << green;
    QTest::newRow("3: stretched, 3x") << 3.0 << true << QRect(30, 30, 120, 60) << yellow;
    QTest::newRow("3: own size, 3x as it is") << 3.0 << false << QRect(30, 30, 12, 6) << yellow;
    QTest::newRow("4: the finest there is, 3x") << 4.0 << false << QRect(40, 40, 16, 8) << yellow;
}

void TestDrawing::displayScale()
{
    QFETCH(qreal, ratio);
    QFETCH(bool, stretch);
    QFETCH(QRect, device);
    QFETCH(QRgb, leftColour);
    const QRect area(10, 10, 40, 20);
    QImage screen(QSize(60, 40) * ratio, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(grey);
    QPainter painter(&screen);
    pictures::draw(painter, m_dir.filePath(QStringLiteral("scaled.bmp")), area, stretch, ratio);
    painter.end();

    QCOMPARE(pictures::place(QSize(4, 2), area, stretch, ratio).device, device);
    // Painted exactly over the device rectangle, and from the drawing that suits the ratio.
    auto at = [&](QPoint p) { return screen.pixel(p) | 0xff000000u; };
    QCOMPARE(at(device.topLeft() + QPoint(0, device.height() / 2)), leftColour);
    QVERIFY(at(device.bottomRight()) != grey);
    QCOMPARE(at(device.topLeft() - QPoint(1, 1)), grey);
    QCOMPARE(at(device.bottomRight() + QPoint(1, 1)), grey);
}

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
