// SPDX-License-Identifier: GPL-3.0-or-later
// An Excel 97-2003 workbook, read through FreeXL (which reads files by name) and the stream that
// carries its cells to the program, all in this process so that the library's faults show.
#include "support/FuzzSupport.h"
#include "support/WorkbookChecks.h"
#include "platform/workbook/xls/XlsExtract.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        FuzzSupport::WriteScratchFile(FuzzSupport::Bytes(data, size), QStringLiteral(".xls"));
    WorkbookChecks::CheckReader([&] { return XlsExtract::ReadInProcess(path); });
    return 0;
}
