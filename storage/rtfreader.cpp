// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "codepage.h"
#include "rtf.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <string_view>
#include <utility>
#include <vector>

namespace storage::rtf {

namespace {

// Deeper nesting than any writer produces; the limit keeps a hostile file
// from growing the group stack without bound.
constexpr std::size_t maxGroupDepth = 256;
constexpr QChar replacementCharacter(0xFFFD);

enum class Destination { Text, FontTable, Skipped };

// What a group inherits from the one around it and loses at its closing brace.
struct Group {
    Destination destination = Destination::Text;
    // Inside \upr, the ANSI copy is skipped and the \ud copy goes to the
    // destination the \upr group had.
    std::optional<Destination> beforeUpr;
    int font = -1;          // -1: the document's default font
    int fallbackLength = 1; // \ucN: characters after each \uN that stand in for it
};

struct Font {
    int charset = 0;
    int codePage = 0; // \cpgN, which wins over the charset
};

// Groups whose text is not part of the document's plain text.
// clang-format off
constexpr std::string_view skippedDestinations[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atnid", "atrfend", "atrfstart",
    "background", "bkmkend", "bkmkstart", "colorschememapping", "colortbl", "datastore", "do",
    "docvar", "fldinst", "filetbl", "footer", "footerf", "footerl", "footerr", "footnote", "ftncn",
    "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "info",
    "latentstyles", "listoverridetable", "listtable", "listtext", "mmathPr", "nonshppict", "object",
    "pgdsctbl", "pict", "pn", "pntext", "pntxta", "pntxtb", "revtbl", "rsidtbl", "shp", "shpinst",
    "shprslt", "stylesheet", "tc", "template", "themedata", "txe", "userprops", "xe", "xmlnstbl",
};
// clang-format on

constexpr std::pair<std::string_view, char16_t> namedCharacters[] = {
    {"tab", u'\t'},         {"cell", u'\t'},        {"nestcell", u'\t'},      {"line", u'\n'},
    {"row", u'\n'},         {"page", u'\n'},        {"emdash", u'\u2014'},    {"endash", u'\u2013'},
    {"emspace", u'\u2003'}, {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},   {"bullet", u'\u2022'},
    {"lquote", u'\u2018'},  {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
    {"zwj", u'\u200D'},     {"zwnj", u'\u200C'},    {"zwbo", u'\u200B'},      {"zwnbo", u'\uFEFF'},
    {"ltrmark", u'\u200E'}, {"rtlmark", u'\u200F'},
};

// Words that name the document's code page without a number.
constexpr std::pair<std::string_view, int> documentCharsets[]
    = {{"ansi", codepage::windowsLatin1}, {"mac", 10000}, {"pc", 437}, {"pca", 850}};

// The entry of `table` for `word`, or null.
template<typename Entry, std::size_t size>
const Entry *lookUp(const Entry (&table)[size], std::string_view word)
{
    const auto it = std::find_if(table, table + size, [word](const Entry &e) { return e.first == word; });
    return it == table + size ? nullptr : it;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    const char lower = char(c | 0x20); // 'A'-'F' to 'a'-'f', nothing else onto them
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The text as it comes out of the document: characters, and code-page bytes
// (\'hh, or raw) that wait for the rest of their run.
class TextBuilder
{
public:
    void append(QChar c)
    {
        m_bytes.decodeInto(m_text);
        m_text += c;
    }

    void appendByte(codepage::Codec &codec, unsigned char byte) { m_bytes.append(codec, byte, m_text); }

    bool awaitingTrailByte() const { return m_bytes.awaitingTrailByte(); }

    void appendParagraphMark()
    {
        append(u'\n');
        m_paragraphEnd = m_text.size();
    }

    // The document's last paragraph mark (followed by nothing but spaces)
    // ends the document rather than adding an empty line to its text.
    QString finish()
    {
        m_bytes.decodeInto(m_text);
        if (m_paragraphEnd > 0
            && std::all_of(m_text.cbegin() + m_paragraphEnd, m_text.cend(), [](QChar c) { return c == u' '; }))
            m_text.truncate(m_paragraphEnd - 1);
        replaceLoneSurrogates();
        return m_text;
    }

private:
    // \uN may name half of a surrogate pair; only whole pairs are text.
    void replaceLoneSurrogates()
    {
        for (qsizetype i = 0; i < m_text.size(); ++i) {
            if (m_text[i].isHighSurrogate() && i + 1 < m_text.size() && m_text[i + 1].isLowSurrogate())
                ++i;
            else if (m_text[i].isSurrogate())
                m_text[i] = replacementCharacter;
        }
    }

    QString m_text;
    codepage::ByteRun m_bytes;
    qsizetype m_paragraphEnd = -1;
};

// One pass over the document with an explicit group stack, so nesting
// costs memory only up to maxGroupDepth and never the call stack.
class Reader
{
public:
    Reader(QByteArrayView document, bool rawBytesAreUtf8)
        : m_in(document)
        , m_rawBytesAreUtf8(rawBytesAreUtf8)
    {
    }

    std::optional<QString> read()
    {
        if (!m_in.startsWith("{\\rtf"))
            return std::nullopt;
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                m_fallbackToSkip = 0;
                if (m_groups.size() >= maxGroupDepth)
                    return std::nullopt;
                m_groups.push_back(m_groups.empty() ? Group() : m_groups.back());
                break;
            case '}':
                m_fallbackToSkip = 0;
                m_groups.pop_back();
                if (m_groups.empty())
                    return m_text.finish(); // whatever follows is not the document
                break;
            case '\\': readControl(); break;
            case '\r':
            case '\n': break; // source layout, not text
            default: literal(static_cast<unsigned char>(c)); break;
            }
        }
        return std::nullopt; // groups still open: cut off or not RTF
    }

private:
    Group &group() { return m_groups.back(); }

    bool skippingFallback()
    {
        if (m_fallbackToSkip == 0)
            return false;
        --m_fallbackToSkip;
        return true;
    }

    qsizetype remaining() const { return m_in.size() - m_pos; }

    void readControl()
    {
        if (m_pos >= m_in.size())
            return;
        const char first = m_in[m_pos];
        if (!isLetter(first)) {
            ++m_pos;
            if (first == '\'')
                readHexByte();
            else if (!skippingFallback())
                controlSymbol(first);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        const std::string_view word(m_in.data() + start, std::size_t(m_pos - start));
        const std::optional<int> parameter = readParameter();
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;
        if (word == "bin") {
            // Raw bytes, never text, and never to be read as control words.
            m_pos += std::clamp<qsizetype>(parameter.value_or(0), 0, remaining());
            skippingFallback();
            return;
        }
        if (!skippingFallback())
            controlWord(word, parameter);
    }

    // RTF allows ten digits, which overflow an int; saturate instead.
    std::optional<int> readParameter()
    {
        const bool negative = m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1]);
        if (negative)
            ++m_pos;
        if (m_pos >= m_in.size() || !isDigit(m_in[m_pos]))
            return std::nullopt;
        qint64 value = 0;
        for (; m_pos < m_in.size() && isDigit(m_in[m_pos]); ++m_pos)
            value = std::min<qint64>(value * 10 + (m_in[m_pos] - '0'), qint64(INT_MAX) + 1);
        return int(std::clamp<qint64>(negative ? -value : value, INT_MIN, INT_MAX));
    }

    void readHexByte()
    {
        int value = 0;
        int digits = 0;
        for (; digits < 2 && m_pos < m_in.size() && hexValue(m_in[m_pos]) >= 0; ++digits)
            value = value * 16 + hexValue(m_in[m_pos++]);
        if (skippingFallback() || digits == 0 || group().destination != Destination::Text)
            return;
        m_text.appendByte(fontCodec(), static_cast<unsigned char>(value));
    }

    void literal(unsigned char c)
    {
        if (skippingFallback() || group().destination != Destination::Text)
            return;
        if (c >= 0x80)
            m_text.appendByte(m_codecs.forPage(m_rawBytesAreUtf8 ? codepage::utf8 : fontCodePage()), c);
        else if (m_text.awaitingTrailByte() && c >= 0x40)
            m_text.appendByte(fontCodec(), c); // a trail byte written as itself
        else if (c >= 0x20 || c == '\t')
            m_text.append(QChar(c));
    }

    void controlSymbol(char c)
    {
        if (c == '*') {
            // "Skip this group if you do not know it": none of the groups
            // marked so carry text we want.
            group().destination = Destination::Skipped;
            return;
        }
        if (group().destination != Destination::Text)
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            // The second byte of a double-byte character may be one of these.
            if (m_text.awaitingTrailByte())
                m_text.appendByte(fontCodec(), static_cast<unsigned char>(c));
            else
                m_text.append(QChar::fromLatin1(c));
            break;
        case '~': m_text.append(QChar(0x00A0)); break;
        case '_': m_text.append(QChar(0x2011)); break;
        case '\r':
        case '\n': m_text.appendParagraphMark(); break;
        default: break; // \- optional hyphen, \| and \: index marks
        }
    }

    void controlWord(std::string_view word, std::optional<int> parameter)
    {
        Group &g = group();
        if (word == "ud") {
            if (g.beforeUpr)
                g.destination = *g.beforeUpr;
            return;
        }
        if (g.destination == Destination::Skipped)
            return;
        if (word == "upr") {
            g.beforeUpr = g.destination;
            g.destination = Destination::Skipped;
        } else if (word == "fonttbl") {
            g.destination = Destination::FontTable;
        } else if (std::find(std::begin(skippedDestinations), std::end(skippedDestinations), word)
                   != std::end(skippedDestinations)) {
            g.destination = Destination::Skipped;
        } else if (word == "uc") {
            // No fall-back is longer than what is left of the input.
            g.fallbackLength = int(std::clamp<qsizetype>(parameter.value_or(1), 0, remaining()));
        } else if (word == "u") {
            if (parameter)
                unicode(*parameter);
        } else if (g.destination == Destination::FontTable) {
            fontTableWord(word, parameter.value_or(0));
        } else {
            textWord(word, parameter);
        }
    }

    void fontTableWord(std::string_view word, int parameter)
    {
        if (word == "f")
            m_fontBeingDefined = parameter;
        else if (word == "fcharset")
            m_fonts[m_fontBeingDefined].charset = parameter;
        else if (word == "cpg")
            m_fonts[m_fontBeingDefined].codePage = parameter;
    }

    void textWord(std::string_view word, std::optional<int> parameter)
    {
        if (word == "par" || word == "sect") {
            m_text.appendParagraphMark();
        } else if (word == "f") {
            group().font = std::max(parameter.value_or(0), 0);
        } else if (word == "plain") {
            group().font = -1;
        } else if (word == "deff") {
            m_defaultFont = parameter.value_or(0);
        } else if (word == "ansicpg") {
            m_documentCodePage = parameter.value_or(codepage::windowsLatin1);
        } else if (const auto *charset = lookUp(documentCharsets, word)) {
            m_documentCodePage = charset->second;
        } else if (const auto *named = lookUp(namedCharacters, word)) {
            m_text.append(QChar(named->second));
        }
    }

    // N is a signed 16-bit number, but some writers (LibreOffice) write the
    // unsigned value; both wrap to the same UTF-16 unit. Anything outside
    // both readings is not a character.
    void unicode(int n)
    {
        if (group().destination == Destination::Text) {
            if (n >= -32768 && n <= 65535)
                m_text.append(QChar(char16_t(n)));
            else
                m_text.append(replacementCharacter);
        }
        m_fallbackToSkip = group().fallbackLength;
    }

    codepage::Codec &fontCodec() { return m_codecs.forPage(fontCodePage()); }

    int fontCodePage()
    {
        const int font = group().font >= 0 ? group().font : m_defaultFont;
        const auto it = m_fonts.constFind(font);
        if (it == m_fonts.cend())
            return m_documentCodePage;
        if (it->codePage > 0)
            return it->codePage;
        return codepage::forCharset(it->charset).value_or(m_documentCodePage);
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    bool m_rawBytesAreUtf8;
    std::vector<Group> m_groups;
    int m_fallbackToSkip = 0;
    QHash<int, Font> m_fonts;
    int m_fontBeingDefined = 0;
    int m_defaultFont = 0;
    int m_documentCodePage = codepage::windowsLatin1;
    codepage::Codecs m_codecs;
    TextBuilder m_text;
};

} // namespace

std::optional<QString> read(const QByteArray &document)
{
    if (document.isEmpty() || document.size() > maxDocumentSize)
        return std::nullopt;
    // A byte-order mark means a text editor saved the file, so any raw
    // non-ASCII bytes in it are UTF-8 rather than the document's code page.
    constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");
    const bool hasBom = document.startsWith(utf8Bom);
    return Reader(QByteArrayView(document).sliced(hasBom ? utf8Bom.size() : 0), hasBom).read();
}

} // namespace storage::rtf
