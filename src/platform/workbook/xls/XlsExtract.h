// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class Workbook;
class XlsStreamWriter;

// FreeXL's side of the .xls reader: the library parses the file and its sheets and cells are
// written as XlsStream records. The reader program runs this; the program itself never does.
namespace XlsExtract {

// Writes the sheets and non-empty cells of the .xls file at path, then the end record; or a
// failure record when the library refuses the file. Stops writing once the output is past a
// bound of WorkbookLimits that the stream's reader enforces.
void Extract(const QString& path, XlsStreamWriter& out);

// The file read within this process, through the stream in memory; throws WorkbookError. Only
// for looking for the library's faults (the fuzz target): a fault here is a fault of the caller.
std::unique_ptr<Workbook> ReadInProcess(const QString& path);

} // namespace XlsExtract
