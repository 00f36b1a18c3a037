// An Excel 97-2003 workbook, read through FreeXL (which reads files by name).
#include "FuzzSupport.h"
#include "WorkbookChecks.h"
#include "XlsReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        FuzzSupport::WriteScratchFile(FuzzSupport::Bytes(data, size), QStringLiteral(".xls"));
    WorkbookChecks::CheckReader([&] { return XlsReader::Read(path); });
    return 0;
}
