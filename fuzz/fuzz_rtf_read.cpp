// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Any bytes at all as a high-score file: the reader must answer (text or
// "not RTF") without crashing, and any text it finds must come back the same
// through the writer and the reader, as the game's next save would write it.
#include "storage/rtf.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray document = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QString> text = storage::rtf::read(document);
    if (text && storage::rtf::read(storage::rtf::write(*text)) != text)
        std::abort();
    return 0;
}
