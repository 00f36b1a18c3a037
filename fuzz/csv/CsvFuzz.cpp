// SPDX-License-Identifier: GPL-3.0-or-later
// Comma- or semicolon-separated text (UTF-8 or GBK, quoted fields, line breaks in quotes).
#include "platform/workbook/CsvReader.h"
#include "support/FuzzSupport.h"
#include "support/WorkbookChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WorkbookChecks::CheckReader([&] { return CsvReader::Read(FuzzSupport::Bytes(data, size)); });
    return 0;
}
