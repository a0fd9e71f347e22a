// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <map>
#include <memory>
#include <optional>

namespace storage::codepage {

constexpr int windowsLatin1 = 1252;
constexpr int utf8 = 65001;

// The Windows code page of the bytes in a font declared with `\fcharsetN`,
// or nothing for the charsets that follow the document's own code page
// (ANSI, default, symbol, and any charset we do not know).
std::optional<int> forCharset(int charset);

// One Windows code page, converted through the C library's iconv. Pages
// iconv cannot open, and numbers outside the set of pages RTF writers
// actually name, fall back to Windows Latin-1 so that a hostile document
// cannot make us open an unbounded number of converters.
class Codec
{
public:
    explicit Codec(int codePage);
    ~Codec();
    Codec(const Codec &) = delete;
    Codec &operator=(const Codec &) = delete;

    // The page actually used, after any fall-back.
    int codePage() const { return m_codePage; }

    // Bytes that do not form a character of the page become U+FFFD each.
    QString decode(QByteArrayView bytes);

    // The bytes of `c` in this page, or nothing when the page lacks it.
    std::optional<QByteArray> encode(char32_t c);

    // True for the first byte of a two-byte character (Shift-JIS, GBK, Big5,
    // UHC...): a reader must keep it together with the byte that follows.
    bool isLeadByte(unsigned char byte);

private:
    // What iconv makes of each byte on its own, asked once per page.
    struct ByteTable {
        std::array<char32_t, 256> character;
        std::array<bool, 256> lead;
        bool complete; // every character is one byte and stands alone
    };
    const ByteTable &byteTable();

    int m_codePage;
    void *m_toUnicode;   // iconv_t, kept opaque so <iconv.h> stays out of headers
    void *m_fromUnicode; // opened on first encode()
    std::optional<ByteTable> m_byteTable;
};

// One converter per code page for the life of a document. Pages outside the
// known set share the Latin-1 converter, so the set stays small whatever
// numbers a document names.
class Codecs
{
public:
    Codec &forPage(int codePage);

private:
    std::map<int, std::unique_ptr<Codec>> m_codecs;
};

// Bytes waiting to be decoded as one run, because the two halves of a
// double-byte character can arrive separately.
class ByteRun
{
public:
    // Bytes of another page still waiting are decoded onto `text` first.
    void append(Codec &codec, unsigned char byte, QString &text);

    // True after a lead byte: the next byte completes the character.
    bool awaitingTrailByte() const { return m_awaitingTrailByte; }

    // Decodes the waiting bytes, if any, onto the end of `text`.
    void decodeInto(QString &text);

private:
    Codec *m_codec = nullptr;
    QByteArray m_bytes;
    bool m_awaitingTrailByte = false;
};

} // namespace storage::codepage
