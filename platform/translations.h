// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace platform {

// The program's texts in the player's language, and Qt's own (the boxes'
// buttons) in the same one, for as long as it lives. The language is the
// first of the locale's UI languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// with a file <name>_<language>.qm in folder; with none, nothing is
// installed and every text stays the English of the source.
class Translations
{
public:
    Translations(const QLocale &locale, const QString &name, const QString &folder);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language found, as its file names it ("de", "pt_BR"), or empty.
    QString language() const { return m_language; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};

} // namespace platform
