// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Any text at all, taken as UTF-16 code units (control characters, NULs and
// characters beyond U+FFFF too), written as a document and read back, is the
// same text: a name typed into the high-score box survives its file. Half a
// surrogate pair is not text (no keyboard types one, and the reader makes it
// U+FFFD), so a lone half in the input becomes U+FFFD before writing.
#include "storage/rtf.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, (size / 2) * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar(QChar::ReplacementCharacter);
    }
    const QByteArray document = storage::rtf::write(text);
    for (char c : document) {
        if (static_cast<unsigned char>(c) > 0x7f)
            std::abort(); // the writer promises 7-bit ASCII
    }
    if (storage::rtf::read(document) != text)
        std::abort();
    return 0;
}
