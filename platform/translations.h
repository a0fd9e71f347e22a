// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace platform {

// The language a desktop would choose among `available` (as the files name
// them: "de", "pt_BR"), or empty for English, by the rules gettext follows:
// a messages locale (LC_ALL, else LC_MESSAGES, else LANG) of C or POSIX, or
// none at all, means English whatever the language list says; otherwise the
// first entry of `languages` (LANGUAGE and the locale, as Qt lists them:
// "en-GB", "de_AT", "zh-Hans-CN") that is English or that the program has,
// a regional variant falling back to its base.
QString chooseLanguage(const QString &messagesLocale, const QStringList &languages, const QStringList &available);

// The language chooseLanguage picks from this process's environment among
// the files <name>_<language>.qm in folder.
QString desktopLanguage(const QString &name, const QString &folder);

// The program's texts in one language, and Qt's own (the boxes' buttons) in
// the same one, for as long as it lives. With no file <name>_<language>.qm in
// folder (or no language), nothing is installed and every text stays the
// English of the source.
class Translations
{
public:
    Translations(const QString &language, const QString &name, const QString &folder);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language installed, as its file names it ("de", "pt_BR"), or empty.
    QString language() const { return m_language; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};

} // namespace platform
