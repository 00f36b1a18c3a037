// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <pugixml.hpp>
#include <vector>

class Worksheet;

// Reads one worksheet part of an .xlsx into a Worksheet: every cell turned into text by the
// workbook's rule (shared and inline strings, numbers as stored, dates by their cell format,
// booleans and errors), with the attributes of rows and formulas kept for writing back. Throws
// WorkbookError for a damaged part or one beyond WorkbookLimits; the cell budget is shared by
// all the sheets of a workbook.
class XlsxSheetReader
{
public:
    // How the workbook shows numbers: which cell formats (by index) are dates or times, and
    // whether date serials count from 1904.
    struct NumberFormats
    {
        std::vector<bool> dateStyles;
        bool from1904 = false;
    };

    XlsxSheetReader(const QStringList& shared, const NumberFormats& formats, Worksheet& sheet,
                    qint64& cellBudget);

    // The rows are parsed in runs of about RunBytes, each run a tree of its own, so that the
    // trees never hold a large sheet whole; the sheet around its rows is parsed once for its
    // well-formedness. A part that cannot be cut is parsed whole.
    void Read(QByteArray xml, const QString& part);

private:
    static constexpr qsizetype RunBytes = 1024 * 1024;

    void ReadRows(const pugi::xml_node& data);
    void CheckRow(int row) const;
    void ReadRowStart(const pugi::xml_node& node);
    void ReadCell(const pugi::xml_node& node);

    const QStringList& m_shared;
    const NumberFormats& m_formats;
    Worksheet& m_sheet;
    qint64& m_cellBudget;
    QByteArray m_lastRowRaw;
    QString m_lastRowAttributes;
    int m_row = 0;
    int m_column = 0;
};
