// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontsession.h"

#include "assets/assets.h"

#include "platform/dialogs.h"
#include "platform/label.h"
#include "platform/translations.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// Texts that read the same in English on purpose: the words those games use.
const QSet<QString> sameAsEnglish = {
    QStringLiteral("de|Level: %1"),
    QStringLiteral("nl|Score: %1"),
    QStringLiteral("nl|Level: %1"),
};

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The boxes the game shows, by their title: the prompt under it. The one of
// the high-score step is the name box, where the player types.
const QHash<QString, const char *> boxPrompts = {
    {QStringLiteral("Quit Quillway?"), "Are you sure you want to quit?"},
    {QStringLiteral("Quit during a game?"), "Are you sure you want to quit? Your current score will be lost!"},
    {QStringLiteral("Game Over"), "Game over. Play again?"},
    {QStringLiteral("You have acheived a high score"), "Please enter your name for entry on the high score table."},
};

// The width of the box as the player is shown it, titled and worded in the
// language installed.
int shownBoxWidth(const QString &title, const QString &prompt, bool input)
{
    int width = 0;
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &width] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            width = box->width();
            box->reject();
        }
    });
    poll->start(5);
    platform::QtDialogs dialogs;
    if (input)
        dialogs.InputBox(prompt, title, QString());
    else
        dialogs.MsgBox(prompt, platform::vbYesNo, title);
    return width;
}

// Every label of the menu and the rules showing text, by name.
QHash<QString, platform::Label *> labelsOf(FrontSession &s)
{
    QHash<QString, platform::Label *> labels;
    for (platform::Form *form : {static_cast<platform::Form *>(&s.menu), static_cast<platform::Form *>(&s.rules)}) {
        for (platform::Control *control : form->controls()) {
            if (auto *label = dynamic_cast<platform::Label *>(control); label && !label->Caption().isEmpty())
                labels.insert(label->Caption(), label);
        }
    }
    return labels;
}

} // namespace

// Every text in every language: finished, its placeholders kept, not left in
// English by mistake, the same as the game compiled in, and, where a label
// shows it, inside the label as drawn (wrapped at its width, at its font).
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslatedAndFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("type");
        // The blinking pictures that pass over the text's label, in pixels.
        QTest::addColumn<QList<QRect>>("pictures");
        FrontSession english;
        QHash<QString, QList<QRect>> sweeps;
        for (auto [text, label] : labelsOf(english).asKeyValueRange()) {
            const front::MainMenu &m = english.menu;
            for (const platform::Image *picture :
                 {&m.Car1, &m.Car2, &m.Car3, &m.Car4, &m.Car5, &m.Hog1, &m.Hog2, &m.Hog3, &m.Hog4, &m.Hog5}) {
                if (picture->pixelRect().intersects(label->pixelRect()))
                    sweeps[text] << picture->pixelRect();
            }
        }
        const QDir folder(QStringLiteral(QUILLWAY_TRANSLATIONS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("quillway_*.ts")});
        QCOMPARE(files.size(), 11);
        for (const QString &file : files) {
            QFile ts(folder.filePath(file));
            QVERIFY(ts.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&ts);
            QString language, context, source, translation, type;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"TS") {
                    language = xml.attributes().value(QStringLiteral("language")).toString();
                } else if (xml.name() == u"name") {
                    context = xml.readElementText();
                } else if (xml.name() == u"source") {
                    source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    type = xml.attributes().value(QStringLiteral("type")).toString();
                    translation = xml.readElementText();
                    QTest::addRow("%s %s: %s", qPrintable(language), qPrintable(context),
                                  qPrintable(source.left(40).replace(u'\n', u' ')))
                        << language << context << source << translation << type << sweeps.value(source);
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        }
    }

    void everyTextIsTranslatedAndFits()
    {
        QFETCH(QString, language);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QString, type);
        QFETCH(QList<QRect>, pictures);

        QVERIFY2(type.isEmpty(), qPrintable(type)); // not unfinished, vanished or obsolete
        QVERIFY(!translation.trimmed().isEmpty());
        QCOMPARE(placeholders(translation), placeholders(source));
        if (!sameAsEnglish.contains(language + u'|' + source))
            QVERIFY2(translation != source, "left in English");

        FrontSession english;
        const QHash<QString, platform::Label *> englishLabels = labelsOf(english);

        assets::init();
        const platform::Translations translations(language, QStringLiteral("quillway"),
                                                  QString::fromLatin1(assets::translations));
        QCOMPARE(translations.language(), language);
        QCOMPARE(QCoreApplication::translate(context.toUtf8(), source.toUtf8()), translation);

        if (boxPrompts.contains(source)) {
            const QString prompt = QCoreApplication::translate(context.toUtf8(), boxPrompts.value(source));
            const int width = shownBoxWidth(translation, prompt, context == u"scores::HighScoreStep");
            const int needed = platform::titleBarWidth(translation);
            QVERIFY2(width >= needed,
                     qPrintable(QStringLiteral("%1 px wide for a title needing %2").arg(width).arg(needed)));
        }

        FrontSession s;
        const QHash<QString, platform::Label *> labels = labelsOf(s);
        QCOMPARE(labels.contains(translation), englishLabels.contains(source));
        if (!labels.contains(translation))
            return;
        const platform::Label &label = *labels.value(translation);
        const QRect place = label.pixelRect();
        const QFontMetrics metrics(label.font());
        if (label.layout().wordWrap) {
            const QRect needed
                = metrics.boundingRect(QRect(0, 0, place.width(), 10 * place.height()), label.textFlags(), translation);
            QVERIFY2(needed.height() <= place.height(),
                     qPrintable(QStringLiteral("%1 px high in %2").arg(needed.height()).arg(place.height())));
        } else {
            const int width = metrics.horizontalAdvance(translation);
            QVERIFY2(width <= place.width(),
                     qPrintable(QStringLiteral("%1 px wide in %2").arg(width).arg(place.width())));
            // Drawn under the pictures, the text must stay clear of them.
            const QRect drawn = metrics.boundingRect(place, label.textFlags(), translation);
            for (const QRect &picture : pictures) {
                QVERIFY2(!drawn.intersects(picture), "drawn under a blinking picture");
            }
        }
    }

    // The desktop's environment, as LC_ALL/LC_MESSAGES/LANG and the list Qt
    // makes of LANGUAGE and the locale: the language chosen, and Qt's own
    // buttons in it.
    void desktopChoosesTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        const QStringList german = {"de", "de-Latn-DE", "de-DE"};
        QTest::newRow("German") << "de_DE.UTF-8" << QStringList{"de-DE", "de-Latn-DE"} << "de"
                                << "&Ja";
        QTest::newRow("Austrian German: its base") << "de_AT.UTF-8" << QStringList{"de-AT", "de-Latn-AT"} << "de"
                                                   << "&Ja";
        QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8" << QStringList{"pt-BR", "pt-Latn-BR"} << "pt_BR"
                                              << "&Sim";
        QTest::newRow("Japanese") << "ja_JP.UTF-8" << QStringList{"ja-JP", "ja-Jpan-JP"} << "ja"
                                  << "はい(&Y)";
        QTest::newRow("LANGUAGE=de under C.UTF-8") << "C.UTF-8" << german << "de"
                                                   << "&Ja";
        QTest::newRow("English: none installed") << "en_GB.UTF-8" << QStringList{"en-GB", "en-Latn-GB"} << ""
                                                 << "&Yes";
        QTest::newRow("LANG=C LANGUAGE=de") << "C" << german << ""
                                            << "&Yes";
        QTest::newRow("LC_ALL=C LANGUAGE=de:en") << "C" << (german + QStringList{"en"}) << ""
                                                 << "&Yes";
        QTest::newRow("no locale at all is C") << "" << german << ""
                                               << "&Yes";
        QTest::newRow("LANGUAGE=en:de") << "C.UTF-8" << (QStringList{"en", "en-Latn-US", "en-US"} + german) << ""
                                        << "&Yes";
        QTest::newRow("LANGUAGE=en_US:en:de") << "en_US.UTF-8" << (QStringList{"en-US", "en"} + german) << ""
                                              << "&Yes";
        QTest::newRow("LANGUAGE=en_GB:de LANG=en_GB.UTF-8")
            << "en_GB.UTF-8" << (QStringList{"en-GB", "en-Latn-GB"} + german) << ""
            << "&Yes";
    }

    void desktopChoosesTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, languages);
        QFETCH(QString, language);
        QFETCH(QString, yes);
        assets::init();
        const QString folder = QString::fromLatin1(assets::translations);
        QStringList available;
        for (const QString &file : QDir(folder).entryList({QStringLiteral("quillway_*.qm")}))
            available << file.mid(9).chopped(3);
        QCOMPARE(available.size(), 11);
        QCOMPARE(platform::chooseLanguage(locale, languages, available), language);
        const platform::Translations translations(language, QStringLiteral("quillway"), folder);
        QCOMPARE(translations.language(), language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
