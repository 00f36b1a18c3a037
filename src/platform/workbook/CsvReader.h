// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <memory>

class Workbook;

// Reads comma- or semicolon-separated text (UTF-8 with or without a byte-order mark, or GBK)
// into a workbook with one sheet named "sheet1", the name the program's own files use: a text
// file has no sheet names. Fields may be quoted ("a ""b"", c"), with line breaks inside quotes.
// Values are kept exactly as written ("0012" stays "0012"): the file holds text, not numbers.
namespace CsvReader {

// Throws WorkbookError for a file beyond WorkbookLimits.
std::unique_ptr<Workbook> Read(const QByteArray& bytes);

} // namespace CsvReader
