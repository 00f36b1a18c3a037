// SPDX-License-Identifier: GPL-3.0-or-later
// Comma- or semicolon-separated text (UTF-8 or GBK, quoted fields, line breaks in quotes).
#include "CsvReader.h"
#include "FuzzSupport.h"
#include "WorkbookChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WorkbookChecks::CheckReader([&] { return CsvReader::Read(FuzzSupport::Bytes(data, size)); });
    return 0;
}
