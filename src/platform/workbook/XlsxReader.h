// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <memory>

class Workbook;

// Reads an .xlsx container (Office Open XML spreadsheet, transitional or strict) into a
// Workbook: the relationships lead to the workbook part and its sheets, shared strings are read
// as plain text (rich-text runs joined, phonetic runs skipped), and every cell is turned into text
// by the workbook's rule. Throws WorkbookError for anything damaged or beyond WorkbookLimits.
//
// No Debian package reads this format for a Qt program (FreeXL reads only .xls; libxlsxwriter
// only writes), so the spreadsheet layer is ours; the container is libzip's and the XML parser
// pugixml (several times faster than a stream reader on sheets of 100,000 rows; it expands no
// entities a file declares).
namespace XlsxReader {

std::unique_ptr<Workbook> Read(const QByteArray& bytes);

} // namespace XlsxReader
