// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/workbook/Worksheet.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <memory>
#include <vector>

// A workbook in memory: its sheets' cells, and for a workbook read from an .xlsx file the file
// itself, so that saving keeps everything the program does not touch (styles, column widths,
// merged cells, defined names) exactly as it was.
class Workbook
{
    Q_DECLARE_TR_FUNCTIONS(Workbook)

public:
    // Reads an .xlsx, .xls or .csv file, recognised by its content (a .csv by its name).
    // Throws WorkbookError with a message for the operator.
    static std::unique_ptr<Workbook> Open(const QString& path);
    // A new workbook with one empty sheet named "Sheet1".
    static std::unique_ptr<Workbook> CreateEmpty();
    // The file a template path names: the path itself when it is a file, otherwise the path
    // with ".xlsx", then with ".xls"; empty when there is none.
    static QString FindTemplate(const QString& path);

    int SheetCount() const { return static_cast<int>(m_sheets.size()); }
    // Sheets by 0-based position.
    Worksheet& Sheet(int index) { return *m_sheets.at(index); }
    const Worksheet& Sheet(int index) const { return *m_sheets.at(index); }
    // The sheet of that name, letter case ignored; nullptr when there is none.
    Worksheet* FindSheet(const QString& name);
    // Renames a sheet; throws WorkbookError for a name the format does not allow or that
    // another sheet already has.
    void RenameSheet(Worksheet& sheet, const QString& name);
    Worksheet& AddSheet(std::unique_ptr<Worksheet> sheet);

    // Writes the workbook as .xlsx, replacing the file at path only once it is complete.
    void SaveAs(const QString& path) const;

    // The .xlsx file the workbook was read from and the name of its workbook part; both empty
    // for a workbook read from another format or made new.
    const QByteArray& Package() const { return m_package; }
    const QString& WorkbookPart() const { return m_workbookPart; }
    void SetPackage(const QByteArray& package, const QString& workbookPart);

private:
    std::vector<std::unique_ptr<Worksheet>> m_sheets;
    QByteArray m_package;
    QString m_workbookPart;
};
