// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets.h"

#include <QtCore/qglobal.h>

// Outside the namespace: Q_INIT_RESOURCE declares a function that must not
// land in ours.
static void initQuillwayPictures()
{
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(quillway_assets_translations);
}

namespace assets {

void init()
{
    initQuillwayPictures();
}

} // namespace assets
