// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files.h"

#include <QBuffer>
#include <QImageWriter>

#include <stdexcept>

namespace files {

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr int pixelsPerMetre = 3780; // 96 dots per inch

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, qint64 value)
{
    put16(out, int(value & 0xffff));
    put16(out, int((value >> 16) & 0xffff));
}

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void putInfoHeader(QByteArray &out, int width, int height, int bitsPerPixel, int imageBytes, int colours)
{
    put32(out, infoHeaderSize);
    put32(out, width);
    put32(out, height);
    put16(out, 1); // planes
    put16(out, bitsPerPixel);
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, colours);
    put32(out, 0); // all colours important
}

} // namespace

QByteArray bmp(const QImage &image)
{
    const int stride = rowBytes(image.width(), 24);
    const int imageBytes = stride * image.height();
    QByteArray out;
    out.append("BM");
    put32(out, fileHeaderSize + infoHeaderSize + imageBytes);
    put32(out, 0);
    put32(out, fileHeaderSize + infoHeaderSize);
    putInfoHeader(out, image.width(), image.height(), 24, imageBytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            row[3 * x] = char(qBlue(c));
            row[3 * x + 1] = char(qGreen(c));
            row[3 * x + 2] = char(qRed(c));
        }
        out.append(row);
    }
    return out;
}

QByteArray ico(const QList<QImage> &images, const QList<QRgb> &palette)
{
    if (palette.size() > 16)
        throw std::invalid_argument("an icon palette holds at most 16 colours");
    constexpr int directorySize = 6;
    constexpr int entrySize = 16;
    constexpr int paletteBytes = 16 * 4;

    QList<QByteArray> bitmaps;
    for (const QImage &image : images) {
        const int w = image.width();
        const int h = image.height();
        const int colourStride = rowBytes(w, 4);
        const int maskStride = rowBytes(w, 1);
        const int imageBytes = (colourStride + maskStride) * h;
        QByteArray bitmap;
        putInfoHeader(bitmap, w, 2 * h, 4, imageBytes, 16); // height covers colours and mask
        for (int i = 0; i < 16; ++i) {
            const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
            bitmap.append(char(qBlue(c)));
            bitmap.append(char(qGreen(c)));
            bitmap.append(char(qRed(c)));
            bitmap.append('\0');
        }
        Q_ASSERT(bitmap.size() == infoHeaderSize + paletteBytes);
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(colourStride, '\0');
            for (int x = 0; x < w; ++x) {
                const qsizetype index = palette.indexOf(image.pixel(x, y) | 0xff000000u);
                if (index < 0)
                    throw std::invalid_argument("icon pixel outside the palette");
                row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
            }
            bitmap.append(row);
        }
        bitmap.append(QByteArray(maskStride * h, '\0')); // every pixel opaque
        bitmaps.append(bitmap);
    }

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, int(images.size()));
    qint64 offset = directorySize + entrySize * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int w = images[i].width();
        const int h = images[i].height();
        out.append(char(w >= 256 ? 0 : w));
        out.append(char(h >= 256 ? 0 : h));
        out.append(char(16)); // colours
        out.append('\0');
        put16(out, 1); // planes
        put16(out, 4); // bits per pixel
        put32(out, bitmaps[i].size());
        put32(out, offset);
        offset += bitmaps[i].size();
    }
    for (const QByteArray &bitmap : bitmaps)
        out.append(bitmap);
    return out;
}

QByteArray png(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(9);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        throw std::runtime_error("cannot encode PNG: " + writer.errorString().toStdString());
    return out;
}

} // namespace files
