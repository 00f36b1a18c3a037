// SPDX-License-Identifier: GPL-3.0-or-later
// An .xlsx workbook: the zip container, the relationships, the shared strings and the sheets.
#include "support/FuzzSupport.h"
#include "support/WorkbookChecks.h"
#include "platform/workbook/XlsxReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WorkbookChecks::CheckReader([&] { return XlsxReader::Read(FuzzSupport::Bytes(data, size)); });
    return 0;
}
