// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class Workbook;
class Worksheet;

// Writes a Workbook as an .xlsx container.
//
// A workbook read from an .xlsx file (a template) is written as that file with only what
// changed replaced: each changed sheet keeps its part byte for byte except the cell rows (and
// the dimension), so column widths, merged cells, views and page setup stay; the workbook part
// changes only when a sheet was renamed, and then the defined names that named the old sheet
// are renamed with it; every other part (styles, themes, properties) is copied unchanged.
// Sheets added to such a workbook become new parts after its own (XlsxAddedSheets). Other
// workbooks are written as a plain package of our own.
//
// No Debian package edits an existing .xlsx (libxlsxwriter only makes new ones), so this thin
// layer is ours; the container is written by libzip.
namespace XlsxWriter {

// Throws WorkbookError; the file at path is replaced only when the new one is complete.
void Write(const Workbook& workbook, const QString& path);

// The worksheet part of a sheet new to the package (no styles of its own).
QByteArray NewSheetPart(const Worksheet& sheet);

// The parts of the writer, open to tests.
QByteArray SheetRows(const Worksheet& sheet, const QByteArray& prefix, bool withStyles);
QByteArray SpliceSheet(const QByteArray& original, const Worksheet& sheet);
// Renames sheets (old name -> new name, old names compared without letter case) in the
// workbook part: the sheet entries and the references inside defined names.
QByteArray RenameSheets(const QByteArray& workbookXml, const QHash<QString, QString>& renames);

} // namespace XlsxWriter
