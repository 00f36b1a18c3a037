// SPDX-License-Identifier: GPL-3.0-or-later
// The stream in which the .xls reader program hands a workbook's cells to the program. It comes
// from another process that has just parsed a hostile file, so the program treats it as untrusted
// as the file: any bytes, fed in pieces of varying size as a pipe delivers them.
#include "support/FuzzSupport.h"
#include "support/WorkbookChecks.h"
#include "platform/workbook/XlsStreamReader.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    // The first byte sets the size of the pieces, the rest is the stream.
    const std::size_t piece = 1 + data[0] % 64 * 97;
    const QByteArray stream = FuzzSupport::Bytes(data + 1, size - 1);
    WorkbookChecks::CheckReader([&]() -> std::unique_ptr<Workbook> {
        XlsStreamReader reader;
        for (qsizetype at = 0; at < stream.size(); at += qsizetype(piece)) {
            reader.Feed(QByteArrayView(stream).sliced(
                at, std::min<qsizetype>(qsizetype(piece), stream.size() - at)));
        }
        if (reader.Status() != XlsStreamReader::State::Complete) {
            // A stream that stops early or a refusal: the program reports either plainly.
            FUZZ_CHECK(reader.Status() == XlsStreamReader::State::Reading ||
                       !reader.FailureMessage().isEmpty());
            XlsStreamReader::Malformed();
        }
        return reader.Take();
    });
    return 0;
}
