// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace platform {

Translations::Translations(const QLocale &locale, const QString &name, const QString &folder)
{
    if (!m_own.load(locale, name, QStringLiteral("_"), folder))
        return;
    QCoreApplication::installTranslator(&m_own);
    m_language = m_own.language();
    // Qt's buttons follow the game's language, not the next one of the list
    // that Qt happens to have: a player reading German gets German buttons.
    if (m_qt.load(QLocale(m_language), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}

} // namespace platform
