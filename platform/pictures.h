// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace platform {

// The pictures of the layouts, loaded once and kept pre-scaled for every size
// they are drawn at, so that painting a frame only copies pixels.
namespace pictures {
// The picture at its own size (a null pixmap when it cannot be loaded).
QPixmap original(const QString &path);
// The picture scaled to `size` (stretched images).
QPixmap scaled(const QString &path, const QSize &size);
} // namespace pictures

} // namespace platform
