// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "codepage.h"

#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace storage::codepage {

namespace {

// iconv hands back and takes code points in the host's byte order.
constexpr const char *utf32 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-32LE" : "UTF-32BE";
const iconv_t noConverter = reinterpret_cast<iconv_t>(-1);
constexpr size_t iconvFailed = static_cast<size_t>(-1);
constexpr char32_t replacementCharacter = 0xFFFD;

// The iconv name of the code pages that RTF writers put in \ansicpg, \cpg or
// imply by \fcharset, \mac and \pc; empty for anything else.
QByteArray iconvName(int codePage)
{
    switch (codePage) {
    case 1361: return "JOHAB";
    case 10000: return "MACINTOSH";
    case 10007: return "MAC-CYRILLIC";
    case 20866: return "KOI8-R";
    case 21866: return "KOI8-U";
    case utf8: return "UTF-8";
    default: break;
    }
    if (codePage >= 28591 && codePage <= 28606)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    constexpr int windowsPages[] = {437, 737, 775, 850, 852, 855,  857,  860,  861,  862,  863,  864,  865,  866, 869,
                                    874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};
    if (std::find(std::begin(windowsPages), std::end(windowsPages), codePage) != std::end(windowsPages))
        return "CP" + QByteArray::number(codePage);
    return {};
}

iconv_t handle(void *converter)
{
    return static_cast<iconv_t>(converter);
}

} // namespace

std::optional<int> forCharset(int charset)
{
    switch (charset) {
    case 77: return 10000; // Mac Roman
    case 128: return 932;  // Shift-JIS
    case 129: return 949;  // Korean (Wansung/UHC)
    case 130: return 1361; // Korean (Johab)
    case 134: return 936;  // Simplified Chinese (GBK)
    case 136: return 950;  // Traditional Chinese (Big5)
    case 161: return 1253; // Greek
    case 162: return 1254; // Turkish
    case 163: return 1258; // Vietnamese
    case 177: return 1255; // Hebrew
    case 178: return 1256; // Arabic
    case 186: return 1257; // Baltic
    case 204: return 1251; // Cyrillic
    case 222: return 874;  // Thai
    case 238: return 1250; // Central European
    case 254: return 437;  // PC 437
    case 255: return 850;  // OEM
    default: return std::nullopt;
    }
}

Codec::Codec(int codePage)
    : m_codePage(codePage)
    , m_toUnicode(noConverter)
    , m_fromUnicode(noConverter)
{
    const QByteArray name = iconvName(codePage);
    if (!name.isEmpty())
        m_toUnicode = iconv_open(utf32, name.constData());
    if (m_toUnicode == noConverter) {
        m_codePage = windowsLatin1;
        m_toUnicode = iconv_open(utf32, "CP1252");
    }
}

Codec::~Codec()
{
    if (m_toUnicode != noConverter)
        iconv_close(handle(m_toUnicode));
    if (m_fromUnicode != noConverter)
        iconv_close(handle(m_fromUnicode));
}

QString Codec::decode(QByteArrayView bytes)
{
    QString text;
    if (byteTable().complete || m_toUnicode == noConverter) {
        // The common single-byte pages, without one iconv call per bad byte.
        text.reserve(bytes.size());
        for (const char byte : bytes)
            text += QChar(char16_t(m_byteTable->character[static_cast<unsigned char>(byte)]));
        return text;
    }
    iconv_t cd = handle(m_toUnicode);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    text.reserve(bytes.size());

    char32_t buffer[256];
    auto drain = [&](char *end) {
        text += QString::fromUcs4(buffer, (end - reinterpret_cast<char *>(buffer)) / sizeof(char32_t));
    };
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        char *out = reinterpret_cast<char *>(buffer);
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        drain(out);
        if (result != iconvFailed || error == E2BIG)
            continue;
        // An invalid byte, or a lead byte with nothing after it: replace that
        // one byte and carry on, as Windows does, rather than lose the rest.
        text += QChar(replacementCharacter);
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    // CP1255 and CP1258 hold back a letter in case a combining accent follows.
    char *out = reinterpret_cast<char *>(buffer);
    size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    drain(out);
    return text;
}

std::optional<QByteArray> Codec::encode(char32_t c)
{
    if (m_fromUnicode == noConverter) {
        const QByteArray name = m_codePage == windowsLatin1 ? QByteArray("CP1252") : iconvName(m_codePage);
        m_fromUnicode = iconv_open(name.constData(), utf32);
        if (m_fromUnicode == noConverter)
            return std::nullopt;
    }
    iconv_t cd = handle(m_fromUnicode);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char *in = reinterpret_cast<char *>(&c);
    size_t inLeft = sizeof c;
    char bytes[16];
    char *out = bytes;
    size_t outLeft = sizeof bytes;
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == iconvFailed)
        return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &out, &outLeft) == iconvFailed)
        return std::nullopt;
    return QByteArray(bytes, out - bytes);
}

bool Codec::isLeadByte(unsigned char byte)
{
    return byteTable().lead[byte];
}

// Rather than carry a table per code page, ask iconv what each byte is.
const Codec::ByteTable &Codec::byteTable()
{
    if (m_byteTable)
        return *m_byteTable;
    ByteTable &table = m_byteTable.emplace();
    table.character.fill(replacementCharacter);
    table.lead.fill(false);
    // CP1255 and CP1258 join a letter and the accent after it into one
    // character, which a byte-by-byte table cannot do.
    table.complete = m_codePage != 1255 && m_codePage != 1258 && m_toUnicode != noConverter;
    if (m_toUnicode == noConverter)
        return table;
    iconv_t cd = handle(m_toUnicode);
    for (int b = 0; b <= 0xFF; ++b) {
        char byte = char(b);
        char *in = &byte;
        size_t inLeft = 1;
        char32_t c[2];
        char *out = reinterpret_cast<char *>(c);
        size_t outLeft = sizeof c;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        table.lead[b] = result == iconvFailed && errno == EINVAL;
        iconv(cd, nullptr, nullptr, &out, &outLeft);
        if (result != iconvFailed && out == reinterpret_cast<char *>(c + 1))
            table.character[b] = c[0];
        table.complete = table.complete && !table.lead[b];
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return table;
}

Codec &Codecs::forPage(int codePage)
{
    if (const auto it = m_codecs.find(codePage); it != m_codecs.end())
        return *it->second;
    if (iconvName(codePage).isEmpty())
        codePage = windowsLatin1;
    auto &slot = m_codecs[codePage];
    if (!slot)
        slot = std::make_unique<Codec>(codePage);
    return *slot;
}

void ByteRun::append(Codec &codec, unsigned char byte, QString &text)
{
    if (&codec != m_codec)
        decodeInto(text);
    m_codec = &codec;
    m_bytes += char(byte);
    m_awaitingTrailByte = !m_awaitingTrailByte && codec.isLeadByte(byte);
}

void ByteRun::decodeInto(QString &text)
{
    if (!m_bytes.isEmpty())
        text += m_codec->decode(m_bytes);
    m_bytes.clear();
    m_awaitingTrailByte = false;
}

} // namespace storage::codepage
