#pragma once

#include <QString>
#include <memory>

class Workbook;

// Reads an Excel 97-2003 (.xls) file through FreeXL: sheet names and cell values, numbers as
// text by the workbook's rule, dates as FreeXL writes them ("YYYY-MM-DD [HH:MM:SS]").
// Formats are not read; a workbook read from .xls is saved as a plain .xlsx.
namespace XlsReader {

// Throws WorkbookError.
std::unique_ptr<Workbook> Read(const QString& path);

} // namespace XlsReader
