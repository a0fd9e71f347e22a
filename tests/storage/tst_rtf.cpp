// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/rtf.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace storage;

// The high-score files are RTF: what the game writes must read back exactly,
// and files from other writers (or a hand editor) must give their plain text
// or be refused, never crash the game.
class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void randomTextsRoundTrip();
    void unpairedSurrogateIsReplaced();
    void writerOutputForScore();
    void writerEncoding_data();
    void writerEncoding();
    void otherWriters_data();
    void otherWriters();
    void reader_data();
    void reader();
    void finalParagraphMark_data();
    void finalParagraphMark();
    void badInput_data();
    void badInput();
    void mutatedDocumentsAreSafe();
};

namespace {

// A document around a body, in the shape the simplest writers use.
QByteArray document(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}" + body + "}";
}

// Every character from U+0080 to U+2FFF: all of Windows Latin-1's upper
// half, the code points it lacks (U+0081...), and the rest as \uN.
QString wideRangeOfCharacters()
{
    QString text;
    for (char16_t c = 0x80; c < 0x3000; ++c)
        text += QChar(c);
    return text;
}

} // namespace

void TestRtf::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("score") << QStringLiteral("2950");
    QTest::newRow("negative score") << QStringLiteral("-15");
    QTest::newRow("default name") << QStringLiteral("Anonymous");
    QTest::newRow("braces and backslashes") << QStringLiteral("{\\}} \\par {\\b x}\\");
    QTest::newRow("accented Latin") << QStringLiteral("Zoë Ångström-Müller, Ñandú, œuvre");
    QTest::newRow("Windows Latin-1 extras") << QStringLiteral("€ “quoted” ‘single’ – — … ™ ž Ÿ");
    QTest::newRow("code points Latin-1 lacks") << QString(QChar(0x81)) + QChar(0x8D) + QChar(0x9D);
    QTest::newRow("Cyrillic") << QStringLiteral("Ёжик в тумане");
    QTest::newRow("Greek and Hebrew") << QStringLiteral("Αλέξης שלום");
    QTest::newRow("CJK") << QStringLiteral("日本語のなまえ 한국어 中文");
    QTest::newRow("emoji") << QStringLiteral("🦔 hog 😀");
    QTest::newRow("question mark after Unicode") << QStringLiteral("ж?");
    QTest::newRow("digit after Unicode") << QStringLiteral("ж5");
    QTest::newRow("wide range of characters") << wideRangeOfCharacters();
    QTest::newRow("10,000-character name") << QStringLiteral("Ab€жé日😀").repeated(1250);
    QTest::newRow("ends with line break") << QStringLiteral("2950\n");
    QTest::newRow("only line breaks") << QStringLiteral("\n\n");
    QTest::newRow("lines starting with spaces") << QStringLiteral("a\n b\n  c  ");
    QTest::newRow("tab and control characters")
        << QStringLiteral("a\tb") + QChar(0) + QChar(1) + QStringLiteral("\r\n") + QChar(0x1F) + QChar(0x7F);
    QTest::newRow("replacement character") << QString(QChar(0xFFFD)) + QChar(0xFFFF);
}

void TestRtf::roundTrip()
{
    QFETCH(QString, text);
    const QByteArray rtf = rtf::write(text);
    QVERIFY2(std::all_of(rtf.cbegin(), rtf.cend(), [](char c) { return uchar(c) < 0x80; }),
             "the file must be 7-bit ASCII");
    QCOMPARE(rtf::read(rtf), std::optional<QString>(text));
}

// Random mixes of the character classes the writer treats differently.
void TestRtf::randomTextsRoundTrip()
{
    QRandomGenerator random(1729);
    const char32_t pools[][2] = {{0x20, 0x7E},     {0x00, 0x1F},     {0x80, 0xFF},      {0x100, 0x52F},
                                 {0x3040, 0x9FFF}, {0xE000, 0xFFFD}, {0x1F300, 0x1FAFF}};
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i) {
            const auto &pool = pools[random.bounded(int(std::size(pools)))];
            const char32_t c = pool[0] + random.bounded(pool[1] - pool[0] + 1);
            text += QString::fromUcs4(&c, 1);
        }
        const std::optional<QString> back = rtf::read(rtf::write(text));
        QVERIFY2(back == text, qPrintable(QStringLiteral("round %1 lost %2").arg(round).arg(text)));
    }
}

void TestRtf::unpairedSurrogateIsReplaced()
{
    const QString text = QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b") + QChar(0xDE00);
    QCOMPARE(rtf::read(rtf::write(text)), std::optional<QString>(QStringLiteral("a\uFFFDb\uFFFD")));
}

void TestRtf::writerOutputForScore()
{
    QCOMPARE(rtf::write(QStringLiteral("2950")),
             QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}}\r\n"
                        "\\viewkind4\\uc1\\pard\\f0\\fs17 2950\\par\r\n}\r\n"));
}

void TestRtf::writerEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("euro sign in Latin-1") << QStringLiteral("€") << QByteArray("\\'80");
    QTest::newRow("e acute in Latin-1") << QStringLiteral("é") << QByteArray("\\'e9");
    QTest::newRow("Cyrillic as Unicode") << QStringLiteral("ж") << QByteArray("\\u1078?");
    QTest::newRow("above U+7FFF negative") << QStringLiteral("한") << QByteArray("\\u-10916?");
    QTest::newRow("emoji as surrogate pair") << QStringLiteral("😀") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("U+0081 is not Latin-1") << QString(QChar(0x81)) << QByteArray("\\u129?");
    QTest::newRow("braces escaped") << QStringLiteral("{}") << QByteArray("\\{\\}");
    QTest::newRow("backslash escaped") << QStringLiteral("a\\b") << QByteArray("a\\\\b");
    QTest::newRow("line break as paragraph") << QStringLiteral("a\nb") << QByteArray("a\\par\r\nb");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    QTest::newRow("control character as hex") << QString(QChar(1)) << QByteArray("\\'01");
}

void TestRtf::writerEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    const QByteArray rtf = rtf::write(text);
    QVERIFY2(rtf.contains(expected), rtf.constData());
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    QVERIFY(rtf.endsWith("\\par\r\n}\r\n"));
}

void TestRtf::otherWriters_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("WordPad") << QByteArrayLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
        "{\\f1\\fnil\\fcharset204 Calibri;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs22\\lang9 Caf\\'e9 \\'80\\cf0 5\\par\r\n"
        "\\f1\\lang1049\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\f0\\lang9\\par\r\n"
        "}\r\n\0") << QStringLiteral("Café €5\nПривет");

    QTest::newRow("Visual Basic rich text box")
        << QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                             "{\\f1\\froman\\fcharset2 Symbol;}}\r\n{\\colortbl\\red0\\green0\\blue0;}\r\n"
                             "\\deflang1033\\pard\\plain\\f0\\fs17 Anonymous\r\n\\par }")
        << QStringLiteral("Anonymous");

    QTest::newRow("LibreOffice") << QByteArrayLiteral(
        "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 Symbol;}"
        "{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif{\\*\\falt Times New Roman};}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\n"
        "{\\stylesheet{\\s0\\snext0\\dbch\\af7\\langfe2052\\loch\\f3\\fs24\\lang2057 Normal;}\n"
        "{\\s15\\sbasedon0\\snext16\\ql\\keepn\\sb240\\sa120 Heading;}\n}"
        "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}"
        "{\\info{\\author Someone}{\\creatim\\yr2026\\mo3\\dy1\\hr10\\min5}{\\doccomm A comment}}"
        "{\\*\\userprops}\\deftab709\n\\hyphauto1\\viewscale100\n"
        "{\\*\\pgdsctbl\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pgdscnxt0 Default Page Style;}}\n"
        "\\formshade\\paperh16838\\paperw11906\\sectd\\sbknone\\sftnnar\\pgndec"
        "{\\*\\ftnsep\\chftnsep}\\pard\\plain \\s0\\dbch\\af7\\loch\\f3\\fs24\\lang2057{\\rtlch \\ltrch\\loch\n"
        "Z\\u246\\'f6e, \\u8364\\'80 and \\u54620\\'3f\\u44397\\'3f}\n\\par }")
                                 << QStringLiteral("Zöe, € and 한국");

    QTest::newRow("Word with Shift-JIS font")
        << QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg932\\uc2\\deff0\\deflang1033\\deflangfe1041"
                             "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}"
                             "{\\f1\\fnil\\fcharset128\\fprq1 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}}"
                             "{\\*\\rsidtbl \\rsid1}{\\*\\latentstyles\\lsdstimax376{\\lsdlockedexcept Normal;}}"
                             "\\pard\\plain \\rtlch\\af0 \\ltrch\\f0 {\\f1\\hich\\af1\\dbch\\af1\\loch\\f1 "
                             "\\u26085\\'93\\'fa\\u26412\\'96\\'7b}{\\f0 Japan}\\par }")
        << QStringLiteral("日本Japan");
}

void TestRtf::otherWriters()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(rtf::read(rtf), std::optional<QString>(text));
}

void TestRtf::reader_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    // Code pages: \'hh is read in the code page of the current font.
    const QByteArray latinAndCyrillic = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}";
    QTest::newRow("charset 204 is Cyrillic") << latinAndCyrillic + "\\f1\\'e9\\f0\\'e9}" << QStringLiteral("йé");
    QTest::newRow("font choice ends with its group") << latinAndCyrillic + "{\\f1\\'e9}\\'e9}" << QStringLiteral("йé");
    QTest::newRow("plain goes back to the default font")
        << QByteArray("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\f0\\'e9\\plain\\'e9}")
        << QStringLiteral("éй");
    QTest::newRow("charset 0 follows ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}}\\f0\\'e9}") << QStringLiteral("й");
    QTest::newRow("no font table uses ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1253 \\'e1}") << QStringLiteral("α");
    QTest::newRow("cpg wins over charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0\\cpg1253 A;}}\\f0\\'e1}") << QStringLiteral("α");
    QTest::newRow("unknown charset follows ansicpg")
        << QByteArray("{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset99 A;}}\\'e9}") << QStringLiteral("й");
    QTest::newRow("font table without inner groups")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fcharset0 A;\\f1\\fcharset161 B;}\\f1\\'e1}") << QStringLiteral("α");
    QTest::newRow("Shift-JIS trail byte 7b")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\'93\\'fa\\'96\\'7b}") << QStringLiteral("日本");
    QTest::newRow("Shift-JIS trail bytes written as characters")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\'83\\\\\\'83A\\'83\\}\\'83\\{ x}")
        << QStringLiteral("ソアマボ x");
    QTest::newRow("GBK") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset134 S;}}\\'d6\\'d0\\'ce\\'c4}")
                         << QStringLiteral("中文");
    QTest::newRow("Big5") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset136 M;}}\\'a4\\'a4\\'a4\\'e5}")
                          << QStringLiteral("中文");
    QTest::newRow("Korean") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset129 G;}}\\'c7\\'d1}")
                            << QStringLiteral("한");
    QTest::newRow("Vietnamese accent joins its letter")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset163 T;}}\\'e2\\'ec}") << QStringLiteral("\u1EA5");
    QTest::newRow("lead byte without trail")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\'93}") << QStringLiteral("\uFFFD");
    QTest::newRow("byte Latin-1 lacks") << document("\\'81") << QStringLiteral("\uFFFD");
    QTest::newRow("raw Latin-1 byte") << document("caf\xe9") << QStringLiteral("café");

    // \uN and its fall-back.
    QTest::newRow("fallback as hex byte") << document("\\u1078\\'e6 x") << QStringLiteral("ж x");
    QTest::newRow("uc2 skips a two-byte fallback") << document("\\uc2\\u26085\\'93\\'fa!") << QStringLiteral("日!");
    QTest::newRow("uc is scoped per group") << document("{\\uc2\\u1078??}\\u1078?x") << QStringLiteral("жжx");
    QTest::newRow("uc0 skips nothing") << document("\\uc0\\u1078 x") << QStringLiteral("жx");
    QTest::newRow("fallback ends at a brace") << document("\\uc3\\u1078{?}x") << QStringLiteral("ж?x");
    QTest::newRow("fallback counts a control word") << document("\\u1078\\par x") << QStringLiteral("жx");
    QTest::newRow("negative N") << document("\\u-10179?\\u-8704?") << QStringLiteral("😀");
    QTest::newRow("surrogates above 32767") << document("\\u55357?\\u56832?") << QStringLiteral("😀");
    QTest::newRow("lone high surrogate") << document("\\u-10179?x") << QStringLiteral("\uFFFDx");
    QTest::newRow("lone low surrogate") << document("x\\u-8704?") << QStringLiteral("x\uFFFD");
    QTest::newRow("N out of range") << document("\\u70000?\\u-40000?") << QStringLiteral("\uFFFD\uFFFD");
    QTest::newRow("Unicode copy of upr") << document("{\\upr{ansi}{\\*\\ud{uni\\u1078?}}}") << QStringLiteral("uniж");

    // Source layout and escapes.
    QTest::newRow("CR and LF ignored") << document("ab\r\ncd\ne\r") << QStringLiteral("abcde");
    QTest::newRow("delimiting space consumed") << document("\\b bold\\b0  two") << QStringLiteral("bold two");
    QTest::newRow("escaped braces and backslash") << document("\\{x\\}\\\\") << QStringLiteral("{x}\\");
    QTest::newRow("backslash newline is a paragraph") << document("a\\\nb") << QStringLiteral("a\nb");
    QTest::newRow("control word with parameter and no space") << document("\\fs24x") << QStringLiteral("x");
    QTest::newRow("named characters") << document(
        "a\\~b\\_c\\-d\\emdash\\endash\\lquote x\\rquote\\ldblquote y\\rdblquote"
        "\\bullet\\emspace\\enspace\\tab e\\line f")
                                      << QStringLiteral("a\u00A0b\u2011cd—–‘x’“y”•\u2003\u2002\te\nf");
    QTest::newRow("table cells") << document("\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row x")
                                 << QStringLiteral("a\tb\t\nx");

    // Destinations: only the body's text counts.
    QTest::newRow("field result kept, instruction skipped") << document(
        "see {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}} {\\field{\\fldinst PAGE}{\\fldrslt 3}}")
                                                            << QStringLiteral("see link 3");
    QTest::newRow("unknown starred group skipped") << document("a{\\*\\somethingnew b{c}}d") << QStringLiteral("ad");
    QTest::newRow("header and footer skipped")
        << document("{\\header head}{\\footerr foot}body") << QStringLiteral("body");
    QTest::newRow("picture with binary data")
        << document("a{\\pict\\wmetafile8\\bin6 }{\\\\x}}b") << QStringLiteral("ab");
    QTest::newRow("binary data in the body") << document("a\\bin3 {{{b") << QStringLiteral("ab");
    QTest::newRow("object skipped") << document("a{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0105}"
                                                "{\\result{\\pict 89ab}}}b")
                                    << QStringLiteral("ab");
    QTest::newRow("bullet text skipped") << document("{\\pntext\\f1\\'b7\\tab}item") << QStringLiteral("item");
}

void TestRtf::reader()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(rtf::read(rtf), std::optional<QString>(text));
}

void TestRtf::finalParagraphMark_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("par then space") << QByteArray("2950\\par ") << QStringLiteral("2950");
    QTest::newRow("no par") << QByteArray("2950") << QStringLiteral("2950");
    QTest::newRow("two pars keep one line break") << QByteArray("2950\\par\\par") << QStringLiteral("2950\n");
    QTest::newRow("par then CR LF") << QByteArray("2950\\par\r\n") << QStringLiteral("2950");
    QTest::newRow("par then spaces") << QByteArray("2950\\par   ") << QStringLiteral("2950");
    QTest::newRow("par inside a closing group") << QByteArray("{2950\\par}") << QStringLiteral("2950");
    QTest::newRow("par then formatting only") << QByteArray("2950\\par\\pard\\plain ") << QStringLiteral("2950");
    QTest::newRow("par then a skipped group") << QByteArray("2950\\par{\\*\\x y}") << QStringLiteral("2950");
    QTest::newRow("only a par") << QByteArray("\\par") << QString();
    QTest::newRow("text after par kept") << QByteArray("a\\par b") << QStringLiteral("a\nb");
    QTest::newRow("line break at end kept") << QByteArray("2950\\line") << QStringLiteral("2950\n");
    QTest::newRow("spaces without par kept") << QByteArray("2950  ") << QStringLiteral("2950  ");
}

void TestRtf::finalParagraphMark()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QCOMPARE(rtf::read(document(body)), std::optional<QString>(text));
}

void TestRtf::badInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<bool>("isRtf");
    QTest::addColumn<QString>("text");

    QByteArray tooBig = document("x");
    const qsizetype spaces = rtf::maxDocumentSize - tooBig.size();
    tooBig.insert(tooBig.size() - 1, QByteArray(spaces, ' '));
    QTest::newRow("largest accepted") << tooBig << true << QStringLiteral("x") + QString(spaces, u' ');
    tooBig.insert(tooBig.size() - 1, ' ');
    QTest::newRow("one byte too big") << tooBig << false << QString();

    const auto nested
        = [](int depth) { return "{\\rtf1 " + QByteArray(depth - 1, '{') + "x" + QByteArray(depth, '}'); };
    QTest::newRow("nesting at the limit") << nested(256) << true << QStringLiteral("x");
    QTest::newRow("nesting too deep") << nested(257) << false << QString();
    QTest::newRow("very deep nesting") << nested(100000) << false << QString();

    QTest::newRow("empty") << QByteArray() << false << QString();
    QTest::newRow("plain text") << QByteArray("2950") << false << QString();
    QTest::newRow("space before header") << QByteArray(" {\\rtf1 a}") << false << QString();
    QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << false << QString();
    QTest::newRow("byte-order mark then RTF") << QByteArray("\xEF\xBB\xBF{\\rtf1 a}") << true << QStringLiteral("a");
    QTest::newRow("raw UTF-8 after byte-order mark")
        << QByteArray("\xEF\xBB\xBF{\\rtf1 caf\xC3\xA9}") << true << QStringLiteral("café");
    QTest::newRow("header only") << QByteArray("{\\rtf") << false << QString();
    QTest::newRow("unclosed group") << QByteArray("{\\rtf1 {a}") << false << QString();
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << false << QString();
    QTest::newRow("bytes after the final brace") << QByteArray("{\\rtf1 a}garbage{{{") << true << QStringLiteral("a");
    QTest::newRow("bin count past the end") << QByteArray("{\\rtf1 a\\bin99999999999 xyz}") << false << QString();
    QTest::newRow("negative bin count") << QByteArray("{\\rtf1 a\\bin-5 b}") << true << QStringLiteral("ab");
    QTest::newRow("huge uc") << QByteArray("{\\rtf1 {\\uc99999999999\\u1078 abc}d}") << true << QStringLiteral("жd");
    QTest::newRow("negative uc skips nothing")
        << QByteArray("{\\rtf1 {\\uc-5\\u1078 abc}d}") << true << QStringLiteral("жabcd");
    QTest::newRow("huge font number") << QByteArray("{\\rtf1 \\f-99999999999999999999 a}") << true
                                      << QStringLiteral("a");
    QTest::newRow("hex without digits") << QByteArray("{\\rtf1 \\'zz}") << true << QStringLiteral("zz");
    QTest::newRow("control bytes dropped")
        << QByteArrayLiteral("{\\rtf1 \x01\x02\xff\0}") << true << QStringLiteral("ÿ");
}

void TestRtf::badInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(bool, isRtf);
    QFETCH(QString, text);
    const std::optional<QString> result = rtf::read(rtf);
    QCOMPARE(result.has_value(), isRtf);
    if (isRtf)
        QCOMPARE(*result, text);
}

// Random damage to real documents: the reader must return, and never give
// more text than there were bytes.
void TestRtf::mutatedDocumentsAreSafe()
{
    const QList<QByteArray> seeds = {
        rtf::write(QStringLiteral("Ab€жé日😀\n{x}\\\t")),
        document("{\\fonttbl{\\f1\\fcharset128 M;}}\\f1\\uc2\\u26085\\'93\\'fa{\\pict\\bin4 abcd}\\par"),
        document("{\\upr{a}{\\*\\ud{b}}}{\\field{\\*\\fldinst X}{\\fldrslt y}}\\u-10179?\\u-8704?\\par\\par"),
    };
    const QByteArray pieces[] = {"{",   "}", "\\", "\\'",         "\\u", "\\uc",  "\\bin", "\\par", "\\*",
                                 "\\f", "-", "9",  "99999999999", " ",   "\\'93", "\\upr", "\\ud",  "\x81"};
    QRandomGenerator random(20260301);
    for (int round = 0; round < 4000; ++round) {
        QByteArray rtf = seeds[random.bounded(int(seeds.size()))];
        for (int edits = 1 + random.bounded(6); edits > 0; --edits) {
            const int at = random.bounded(int(rtf.size()) + 1);
            switch (random.bounded(4)) {
            case 0: rtf.insert(at, pieces[random.bounded(int(std::size(pieces)))]); break;
            case 1: rtf.remove(at, random.bounded(8)); break;
            case 2:
                if (at < rtf.size())
                    rtf[at] = char(random.bounded(256));
                break;
            default: rtf.insert(at, rtf.mid(at, random.bounded(16))); break;
            }
        }
        const std::optional<QString> text = rtf::read(rtf);
        if (text)
            QVERIFY2(text->size() <= rtf.size(), rtf.constData());
    }
}

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"
