// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's pictures and icon into an assets folder:
//   quillway_drawassets <assets dir> [--sheet <contact sheet.png>]
#include "contactsheet.h"
#include "files.h"
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

bool save(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2 && !(argc == 4 && QByteArray(argv[2]) == "--sheet")) {
        std::fprintf(stderr, "usage: %s <assets dir> [--sheet <file.png>]\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);

    struct Picture {
        const char *name;
        QImage (*draw)(int scale);
    };
    const Picture pictureList[] = {
        {"bar", pictures::bar},         {"redcar", pictures::redCar},
        {"bluecar", pictures::blueCar}, {"orangecar", pictures::orangeCar},
        {"lorry", pictures::lorry},     {"hog", pictures::hog},
        {"hogdead", pictures::hogDead}, {"sidecar", pictures::sideCar},
        {"sidehog", pictures::sideHog},
    };
    // Each picture also at two and three times the pixels, named as Qt names
    // high-resolution variants: hog.bmp, hog@2x.bmp, hog@3x.bmp.
    auto variant = [](int scale) { return scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale); };
    bool ok = true;
    for (int scale : {1, 2, 3}) {
        for (const Picture &picture : pictureList)
            ok &= save(dir + "/pictures/" + picture.name + variant(scale) + ".bmp", files::bmp(picture.draw(scale)));
        const QImage large = scale == 1 ? pictures::icon(32) : pictures::paletteIcon(32 * scale);
        const QImage small = scale == 1 ? pictures::icon(16) : pictures::paletteIcon(16 * scale);
        ok &= save(dir + "/icons/quillway" + variant(scale) + ".ico",
                   files::ico({large, small}, pictures::iconPalette()));
    }

    // The desktop's icon sizes, and the same sizes for screens at scale 2.
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("%1/icons/hicolor/%2x%2%3/apps/quillway.png").arg(dir).arg(size);
        ok &= save(path.arg(QString()), files::png(pictures::icon(size)));
        ok &= save(path.arg(QStringLiteral("@2")), files::png(pictures::icon(2 * size)));
    }

    if (argc == 4) {
        // Captions need fonts, hence an application object; only the sheet needs one.
        QGuiApplication app(argc, argv);
        ok &= save(QString::fromLocal8Bit(argv[3]), files::png(contactSheet()));
    }
    return ok ? 0 : 1;
}
