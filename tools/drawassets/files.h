// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Byte-exact writers for the picture files, so that drawing the same
// pictures twice gives the same files.
namespace files {

// A 24-bit uncompressed bitmap (BITMAPINFOHEADER, BI_RGB, rows bottom-up).
QByteArray bmp(const QImage &image);

// An icon file holding the images in order, each stored at 4 bits per pixel
// with the given palette (at most 16 colours) and an all-opaque mask. Every
// pixel of every image must be a palette colour.
QByteArray ico(const QList<QImage> &images, const QList<QRgb> &palette);

// A PNG of the image, without time stamps or other varying chunks.
QByteArray png(const QImage &image);

} // namespace files
