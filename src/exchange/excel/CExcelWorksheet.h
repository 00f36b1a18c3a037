// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/excel/CExcelRange.h"
#include "exchange/excel/ExcelServer.h"

#include <QString>
#include <QVariant>

// One sheet of an open workbook.
class CExcelWorksheet
{
public:
    CExcelWorksheet() = default;
    CExcelWorksheet(ExcelBookRef book, Worksheet* sheet);

    // Renames the sheet; defined names that named it follow. Throws CExcelDispatchException for
    // a name that is not allowed (empty, longer than 31 characters, any of [ ] : * ? / \) or
    // that another sheet has.
    void SetName(const QString& name);
    QString GetName() const;
    // All cells of the sheet, addressed by row and column.
    CExcelRange GetCells() const;
    // Saves the whole workbook as .xlsx at fileName, replacing a file there only once the new one
    // is complete. The eight options (file format, password, write-reservation password,
    // read-only recommendation, backup, recent-files entry, text code page, text layout) must be
    // MissingArgument; the file format may also be 51, the .xlsx format itself.
    void SaveAs(const QString& fileName, const QVariant& fileFormat, const QVariant& password,
                const QVariant& writeResPassword, const QVariant& readOnlyRecommended,
                const QVariant& createBackup, const QVariant& addToMru,
                const QVariant& textCodepage, const QVariant& textVisualLayout);
    void ReleaseDispatch();
    bool IsAttached() const { return m_book != nullptr; }

private:
    ExcelBookRef m_book;
    Worksheet* m_sheet = nullptr;
};
