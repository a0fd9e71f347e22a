// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "codepage.h"
#include "rtf.h"

namespace storage::rtf {

namespace {

// The header the rich-edit control writes for a plain box: Windows Latin-1,
// one font, and \uc1 because every \uN below carries a one-character
// fall-back for readers that do not know Unicode.
constexpr char documentStart[]
    = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}}\r\n"
      "\\viewkind4\\uc1\\pard\\f0\\fs17 ";
// The final paragraph mark belongs to the document, not to the text; a
// reader drops it again.
constexpr char documentEnd[] = "\\par\r\n}\r\n";

void appendHexByte(QByteArray &out, unsigned char byte)
{
    constexpr char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

// RTF reads the parameter of \u as a signed 16-bit number.
void appendUnicode(QByteArray &out, char16_t unit)
{
    out += "\\u";
    out += QByteArray::number(int(static_cast<int16_t>(unit)));
    out += '?';
}

} // namespace

QByteArray write(const QString &text)
{
    codepage::Codec latin1(codepage::windowsLatin1);
    QByteArray out(documentStart);
    out.reserve(out.size() + text.size() + qsizetype(sizeof documentEnd));

    for (const QChar qc : text) {
        const char16_t unit = qc.unicode();
        switch (unit) {
        case u'\\':
        case u'{':
        case u'}':
            out += '\\';
            out += char(unit);
            continue;
        case u'\n':
            // The rich-edit control starts a new source line after each
            // paragraph; the reader ignores line breaks in the source.
            out += "\\par\r\n";
            continue;
        case u'\t': out += "\\tab "; continue;
        default: break;
        }
        if (unit >= 0x20 && unit < 0x7F) {
            out += char(unit);
        } else if (unit < 0x80) {
            // Other control characters have no RTF word of their own; a raw
            // one would be dropped as source layout.
            appendHexByte(out, static_cast<unsigned char>(unit));
        } else if (QChar::isSurrogate(unit)) {
            // Characters beyond U+FFFF go out as their two UTF-16 halves,
            // which is what the rich-edit control writes.
            appendUnicode(out, unit);
        } else if (const auto bytes = latin1.encode(unit); bytes && bytes->size() == 1) {
            appendHexByte(out, static_cast<unsigned char>(bytes->at(0)));
        } else {
            appendUnicode(out, unit);
        }
    }
    out += documentEnd;
    return out;
}

} // namespace storage::rtf
