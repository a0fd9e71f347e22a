// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets.h"
#include "platform/pictures.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <functional>

// Checks the compiled-in pictures and the icon: their file format, sizes,
// backgrounds and the colours the game's look depends on.
class tst_pictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bitmapFormat_data();
    void bitmapFormat();
    void borderIsBackground_data();
    void borderIsBackground();
    void requiredColours_data();
    void requiredColours();
    void barBands_data();
    void barBands();
    void blueCarIsRedCarMirrored();
    void lampsAtLeadingEnd_data();
    void lampsAtLeadingEnd();
    void orangeCarNarrowsToTheRight();
    void iconImages_data();
    void iconImages();
    void iconArrowsPointOppositeWays();
    void desktopIcons_data();
    void desktopIcons();
};

namespace {

constexpr QRgb fieldGrey = qRgb(128, 128, 128);
constexpr QRgb faceGrey = qRgb(192, 192, 192);

quint32 le(const QByteArray &b, int at, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | quint8(b[at + i]);
    return v;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage load(const char *path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
}

// A colour test by name, for colours the pictures must show.
using ColourTest = std::function<bool(QRgb)>;

ColourTest exactly(QRgb wanted)
{
    return [wanted](QRgb c) { return (c | 0xff000000u) == wanted; };
}

} // namespace

void tst_pictures::initTestCase()
{
    assets::init();
}

void tst_pictures::bitmapFormat_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    const struct {
        const char *name;
        const char *path;
        int width, height;
    } pictures[] = {
        {"bar", assets::bar, 483, 12},
        {"red car", assets::redCar, 74, 28},
        {"blue car", assets::blueCar, 74, 28},
        {"orange car", assets::orangeCar, 74, 28},
        {"lorry", assets::lorry, 114, 28},
        {"hedgehog", assets::hog, 66, 76},
        {"squashed hedgehog", assets::hogDead, 95, 104},
        {"side-view car", assets::sideCar, 96, 48},
        {"side-view hedgehog", assets::sideHog, 62, 48},
    };
    // The high-resolution drawings have exactly 2 and 3 times the pixels each way.
    for (int scale = 1; scale <= platform::pictures::largestScale; ++scale)
        for (const auto &p : pictures)
            QTest::addRow("%s at %dx", p.name, scale) << platform::pictures::atScale(QString::fromLatin1(p.path), scale)
                                                      << p.width * scale << p.height * scale;
}

// Read from the resources: a 24-bit BI_RGB bitmap, rows bottom-up and padded.
void tst_pictures::bitmapFormat()
{
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    const QByteArray b = readAll(path);
    QVERIFY2(b.size() >= 54, "missing from the resources");
    QCOMPARE(b.left(2), QByteArray("BM"));
    const int stride = (width * 3 + 3) / 4 * 4;
    QCOMPARE(le(b, 2, 4), quint32(54 + stride * height)); // file size
    QCOMPARE(le(b, 10, 4), 54u);                          // pixels follow the headers
    QCOMPARE(le(b, 14, 4), 40u);                          // BITMAPINFOHEADER
    QCOMPARE(qint32(le(b, 18, 4)), width);
    QCOMPARE(qint32(le(b, 22, 4)), height); // positive: bottom-up
    QCOMPARE(le(b, 26, 2), 1u);
    QCOMPARE(le(b, 28, 2), 24u);
    QCOMPARE(le(b, 30, 4), 0u); // BI_RGB
    QCOMPARE(b.size(), 54 + stride * height);

    const QImage image(path);
    QCOMPARE(image.size(), QSize(width, height));
}

void tst_pictures::borderIsBackground_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRgb>("background");
    const struct {
        const char *name;
        const char *path;
        QRgb background;
    } pictures[] = {
        {"red car", assets::redCar, fieldGrey},       {"blue car", assets::blueCar, fieldGrey},
        {"orange car", assets::orangeCar, fieldGrey}, {"lorry", assets::lorry, fieldGrey},
        {"hedgehog", assets::hog, fieldGrey},         {"squashed hedgehog", assets::hogDead, fieldGrey},
        {"side-view car", assets::sideCar, faceGrey}, {"side-view hedgehog", assets::sideHog, faceGrey},
    };
    for (int scale = 1; scale <= platform::pictures::largestScale; ++scale)
        for (const auto &p : pictures)
            QTest::addRow("%s at %dx", p.name, scale)
                << platform::pictures::atScale(QString::fromLatin1(p.path), scale) << p.background;
}

// The figure must not touch the edge, or a strip of it would look cut off
// against the window behind.
void tst_pictures::borderIsBackground()
{
    QFETCH(QString, path);
    QFETCH(QRgb, background);
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    const int w = image.width(), h = image.height();
    for (int x = 0; x < w; ++x)
        for (int y : {0, h - 1})
            QVERIFY2(image.pixel(x, y) == (background | 0xff000000u),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    for (int y = 0; y < h; ++y)
        for (int x : {0, w - 1})
            QVERIFY2(image.pixel(x, y) == (background | 0xff000000u),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

void tst_pictures::requiredColours_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<ColourTest>("colour");
    QTest::addColumn<int>("minimum"); // pixels

    const auto red = exactly(qRgb(255, 0, 0));
    const auto black = exactly(qRgb(0, 0, 0));
    const auto white = exactly(qRgb(255, 255, 255));
    const auto golden = exactly(qRgb(204, 153, 51));
    const auto darkBrown = exactly(qRgb(128, 64, 0));
    const auto paleYellow = exactly(qRgb(255, 255, 153));
    const auto greenish = [](QRgb c) { return qGreen(c) > qRed(c) + 80 && qGreen(c) > qBlue(c) + 80; };
    const auto neutralGrey = [](QRgb c) {
        return qAbs(qRed(c) - qGreen(c)) < 12 && qAbs(qGreen(c) - qBlue(c)) < 12 && qRed(c) > 60 && qRed(c) < 180;
    };
    const auto greyBlue = [](QRgb c) { return qBlue(c) > qRed(c) + 20 && qBlue(c) > qGreen(c) + 10 && qRed(c) > 80; };
    const auto reddish = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80; };
    const auto brown = [](QRgb c) { return qRed(c) > qGreen(c) + 30 && qGreen(c) > qBlue(c) + 30 && qRed(c) < 220; };

    QTest::newRow("red car: body") << assets::redCar << ColourTest(red) << 600;
    QTest::newRow("red car: windows") << assets::redCar << ColourTest(white) << 100;
    QTest::newRow("red car: outlines") << assets::redCar << ColourTest(black) << 100;
    QTest::newRow("blue car: body") << assets::blueCar << exactly(qRgb(0, 0, 255)) << 600;
    QTest::newRow("orange car: body") << assets::orangeCar << exactly(qRgb(255, 128, 64)) << 600;
    QTest::newRow("orange car: windows") << assets::orangeCar << ColourTest(white) << 80;
    QTest::newRow("orange car: stripes") << assets::orangeCar << ColourTest(black) << 100;
    QTest::newRow("lorry: cab") << assets::lorry << ColourTest(red) << 200;
    QTest::newRow("lorry: windscreen") << assets::lorry << ColourTest(white) << 30;
    QTest::newRow("lorry: trailer") << assets::lorry << exactly(qRgb(255, 0, 255)) << 1200;
    QTest::newRow("hedgehog: golden spines") << assets::hog << ColourTest(golden) << 300;
    QTest::newRow("hedgehog: dark spines") << assets::hog << ColourTest(darkBrown) << 300;
    QTest::newRow("hedgehog: black spines and face") << assets::hog << ColourTest(black) << 100;
    QTest::newRow("hedgehog: white spines") << assets::hog << ColourTest(white) << 50;
    QTest::newRow("hedgehog: snout and legs") << assets::hog << ColourTest(brown) << 150;
    QTest::newRow("squashed: splash") << assets::hogDead << ColourTest(red) << 2500;
    QTest::newRow("squashed: golden spines") << assets::hogDead << ColourTest(golden) << 300;
    QTest::newRow("squashed: white spines") << assets::hogDead << ColourTest(white) << 50;
    QTest::newRow("side car: green body") << assets::sideCar << ColourTest(greenish) << 500;
    QTest::newRow("side car: tyres") << assets::sideCar << ColourTest(black) << 200;
    QTest::newRow("side car: hubs") << assets::sideCar << ColourTest(neutralGrey) << 40;
    QTest::newRow("side car: red cap") << assets::sideCar << ColourTest(reddish) << 12;
    QTest::newRow("side car: exhaust puff") << assets::sideCar << ColourTest(greyBlue) << 30;
    QTest::newRow("side hog: face and belly") << assets::sideHog << ColourTest(paleYellow) << 250;
    QTest::newRow("side hog: golden spines") << assets::sideHog << ColourTest(golden) << 150;
    QTest::newRow("side hog: brown spines") << assets::sideHog << ColourTest(brown) << 150;
    QTest::newRow("side hog: nose and eye") << assets::sideHog << ColourTest(black) << 8;
}

void tst_pictures::requiredColours()
{
    QFETCH(QString, path);
    QFETCH(ColourTest, colour);
    QFETCH(int, minimum);
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += colour(image.pixel(x, y)) ? 1 : 0;
    QVERIFY2(count >= minimum, qPrintable(QStringLiteral("only %1 pixels").arg(count)));
}

void tst_pictures::barBands_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // exclusive
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("red") << 0 << 61 << qRgb(255, 0, 0);
    QTest::newRow("orange") << 61 << 218 << qRgb(255, 128, 64);
    QTest::newRow("yellow") << 218 << 377 << qRgb(255, 255, 0);
    QTest::newRow("green") << 377 << 483 << qRgb(0, 255, 0);
}

// The game narrows the bar from the right; the bands must fall on these
// columns exactly so the time left shows in the right colour.
void tst_pictures::barBands()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QRgb, colour);
    const QImage bar = load(assets::bar);
    for (int x = from; x < to; ++x)
        for (int y = 0; y < bar.height(); ++y)
            QVERIFY2(bar.pixel(x, y) == colour, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

void tst_pictures::blueCarIsRedCarMirrored()
{
    QImage expected = load(assets::redCar).mirrored(true, false);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (expected.pixel(x, y) == qRgb(255, 0, 0))
                expected.setPixel(x, y, qRgb(0, 0, 255));
    QCOMPARE(load(assets::blueCar), expected);
}

void tst_pictures::lampsAtLeadingEnd_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRgb>("body");
    QTest::addColumn<bool>("leadsLeft");
    QTest::newRow("red car drives left") << assets::redCar << qRgb(255, 0, 0) << true;
    QTest::newRow("blue car drives right") << assets::blueCar << qRgb(0, 0, 255) << false;
}

// The lamps are everything that is not body, glass, outline or background;
// they must sit in the quarter of the car that leads.
void tst_pictures::lampsAtLeadingEnd()
{
    QFETCH(QString, path);
    QFETCH(QRgb, body);
    QFETCH(bool, leadsLeft);
    const QImage car = QImage(path).convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> plain = {body, qRgb(255, 255, 255), qRgb(0, 0, 0), fieldGrey};
    int lampPixels = 0;
    for (int y = 0; y < car.height(); ++y)
        for (int x = 0; x < car.width(); ++x)
            if (!plain.contains(car.pixel(x, y))) {
                ++lampPixels;
                const bool front = leadsLeft ? x < car.width() / 4 : x >= car.width() * 3 / 4;
                QVERIFY2(front, qPrintable(QStringLiteral("lamp at (%1, %2)").arg(x).arg(y)));
            }
    QVERIFY(lampPixels >= 4);
}

void tst_pictures::orangeCarNarrowsToTheRight()
{
    const QImage car = load(assets::orangeCar);
    auto height = [&](int x) {
        int n = 0;
        for (int y = 0; y < car.height(); ++y)
            n += car.pixel(x, y) != fieldGrey ? 1 : 0;
        return n;
    };
    QVERIFY(height(car.width() - 4) < height(3));
    QVERIFY(height(car.width() - 4) > car.height() / 2);
}

namespace {

// One image of the icon file, decoded to palette colours.
struct IconImage {
    int size = 0;
    QList<QRgb> pixels; // row by row, top first
};

} // namespace

static QList<IconImage> readIcon(const QByteArray &b, QString *error)
{
    QList<IconImage> images;
    if (b.size() < 6 || le(b, 0, 2) != 0 || le(b, 2, 2) != 1) {
        *error = QStringLiteral("not an icon file");
        return images;
    }
    const int count = int(le(b, 4, 2));
    for (int i = 0; i < count; ++i) {
        const int entry = 6 + 16 * i;
        const int size = quint8(b[entry]);
        const int bytes = int(le(b, entry + 8, 4));
        const int at = int(le(b, entry + 12, 4));
        const int colourStride = (size * 4 + 31) / 32 * 4;
        const int maskStride = (size + 31) / 32 * 4;
        if (quint8(b[entry + 1]) != size || quint8(b[entry + 2]) != 16 || le(b, entry + 6, 2) != 4
            || at + bytes > b.size() || le(b, at, 4) != 40 || int(le(b, at + 4, 4)) != size
            || int(le(b, at + 8, 4)) != 2 * size || le(b, at + 14, 2) != 4 || le(b, at + 16, 4) != 0
            || bytes != 40 + 64 + (colourStride + maskStride) * size) {
            *error = QStringLiteral("image %1: not a 16-colour bitmap with a mask").arg(i);
            return {};
        }
        IconImage image{size, {}};
        const int pixels = at + 40 + 64;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const quint8 pair = quint8(b[pixels + (size - 1 - y) * colourStride + x / 2]);
                const int index = x % 2 ? pair & 0xf : pair >> 4;
                const int p = at + 40 + 4 * index;
                image.pixels.append(qRgb(quint8(b[p + 2]), quint8(b[p + 1]), quint8(b[p])));
            }
        images.append(image);
    }
    return images;
}

void tst_pictures::iconImages_data()
{
    QTest::addColumn<int>("scale");
    for (int scale = 1; scale <= platform::pictures::largestScale; ++scale)
        QTest::addRow("at %dx", scale) << scale;
}

void tst_pictures::iconImages()
{
    QFETCH(int, scale);
    QString error;
    const QList<IconImage> images
        = readIcon(readAll(platform::pictures::atScale(QString::fromLatin1(assets::icon), scale)), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(images.size(), 2);
    QCOMPARE(images[0].size, 32 * scale);
    QCOMPARE(images[1].size, 16 * scale);
    // The windows' icon holds every size of every scale.
    const QList<QSize> sizes = platform::pictures::icon(QString::fromLatin1(assets::icon)).availableSizes();
    QVERIFY2(sizes.contains(QSize(32, 32) * scale) && sizes.contains(QSize(16, 16) * scale),
             qPrintable(QStringLiteral("%1 sizes in the icon").arg(sizes.size())));
    for (const IconImage &image : images) {
        QVERIFY(image.pixels.contains(qRgb(128, 128, 128))); // road
        QVERIFY(image.pixels.contains(qRgb(255, 255, 0)));   // centre line
        QVERIFY(image.pixels.contains(qRgb(255, 255, 255))); // arrows
    }
}

// An arrow's head is its tallest column of white: above the centre line it
// must be at the left, below it at the right.
void tst_pictures::iconArrowsPointOppositeWays()
{
    QString error;
    const QList<IconImage> images = readIcon(readAll(assets::icon), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const IconImage &image : images) {
        const int n = image.size;
        auto headColumn = [&](int top, int bottom) {
            int best = -1, bestCount = 0;
            for (int x = 0; x < n; ++x) {
                int count = 0;
                for (int y = top; y < bottom; ++y)
                    count += image.pixels[y * n + x] == qRgb(255, 255, 255) ? 1 : 0;
                if (count > bestCount) {
                    best = x;
                    bestCount = count;
                }
            }
            return best;
        };
        QVERIFY2(headColumn(0, n / 2) >= 0 && headColumn(0, n / 2) < n / 2,
                 qPrintable(QStringLiteral("%1 px: upper arrow").arg(n)));
        QVERIFY2(headColumn(n / 2, n) >= n / 2, qPrintable(QStringLiteral("%1 px: lower arrow").arg(n)));
    }
}

void tst_pictures::desktopIcons_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("scale"); // the desktop's display scale: @2 folders
    for (int scale : {1, 2})
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%d px at scale %d", size, scale) << size << scale;
}

void tst_pictures::desktopIcons()
{
    QFETCH(int, size);
    QFETCH(int, scale);
    const QString path = QStringLiteral(QUILLWAY_ASSETS_DIR "/icons/hicolor/%1x%1%2/apps/quillway.png")
                             .arg(size)
                             .arg(scale == 1 ? QString() : QStringLiteral("@%1").arg(scale));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size) * scale);
}

QTEST_GUILESS_MAIN(tst_pictures)
#include "tst_pictures.moc"
