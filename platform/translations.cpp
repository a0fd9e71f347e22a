// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace platform {

namespace {

// "de_DE.UTF-8@euro" and "de-DE" both as "de_DE".
QString withoutCodeset(QString name)
{
    name = name.left(name.indexOf(u'@')).left(name.indexOf(u'.'));
    return name.replace(u'-', u'_');
}

} // namespace

QString chooseLanguage(const QString &messagesLocale, const QStringList &languages, const QStringList &available)
{
    // C and POSIX promise the program's own messages; C.UTF-8 does not (glibc
    // translates under it), so only the bare names count.
    const QString locale = messagesLocale.left(messagesLocale.indexOf(u'@'));
    if (locale.isEmpty() || locale == u"C" || locale == u"POSIX")
        return {};
    for (const QString &entry : languages) {
        QString name = withoutCodeset(entry);
        if (name == u"en" || name.startsWith(u"en_"))
            return {}; // the texts are written in English: nothing to look further for
        for (; !name.isEmpty(); name.truncate(qMax(0, name.lastIndexOf(u'_')))) {
            if (available.contains(name))
                return name;
        }
    }
    return {};
}

QString desktopLanguage(const QString &name, const QString &folder)
{
    QString messagesLocale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messagesLocale = qEnvironmentVariable(variable);
        if (!messagesLocale.isEmpty())
            break;
    }
    const QString prefix = name + u'_';
    QStringList available;
    for (const QString &file : QDir(folder).entryList({prefix + QStringLiteral("*.qm")}))
        available << file.mid(prefix.size()).chopped(3);
    return chooseLanguage(messagesLocale, QLocale::system().uiLanguages(), available);
}

Translations::Translations(const QString &language, const QString &name, const QString &folder)
{
    if (language.isEmpty() || !m_own.load(name + u'_' + language, folder))
        return;
    QCoreApplication::installTranslator(&m_own);
    m_language = language;
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
