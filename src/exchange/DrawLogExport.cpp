// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/DrawLogExport.h"

#include "data/CAdoDatabase.h"
#include "data/DrawLog.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"

#include <QCoreApplication>

namespace DrawLogExport {

bool Write(CAdoDatabase& database, const QString& path, QString* error)
{
    const std::unique_ptr<Workbook> book = Workbook::CreateEmpty();
    Worksheet& sheet = book->Sheet(0);
    try {
        book->RenameSheet(sheet, QStringLiteral("DrawLog"));
        const QString headings[] = {QCoreApplication::translate("DrawLogExport", "序号"),
                                    QCoreApplication::translate("DrawLogExport", "类型"),
                                    QCoreApplication::translate("DrawLogExport", "时间（UTC）"),
                                    QCoreApplication::translate("DrawLogExport", "工作站"),
                                    QCoreApplication::translate("DrawLogExport", "内容"),
                                    QCoreApplication::translate("DrawLogExport", "前一条的摘要"),
                                    QCoreApplication::translate("DrawLogExport", "摘要")};
        for (int column = 0; column < int(std::size(headings)); ++column) {
            sheet.SetCell(1, column + 1, CellKind::Text, headings[column]);
        }
        int row = 1;
        QString cellError;
        const CAdoDatabase::QuietFailures quiet(database);
        // A cell refused stops the reading; nothing is thrown through the database layer.
        const bool read = DrawLog(database).Read([&](const DrawLogEntry& entry) {
            ++row;
            try {
                sheet.SetCell(row, 1, CellKind::Number, QString::number(entry.seq));
                const QString* texts[] = {&entry.kind,    &entry.time,     &entry.station,
                                          &entry.payload, &entry.previous, &entry.digest};
                for (int column = 0; column < int(std::size(texts)); ++column) {
                    sheet.SetCell(row, column + 2, CellKind::Text, *texts[column]);
                }
            } catch (const WorkbookError& failure) {
                cellError = failure.Message();
            }
            return cellError.isEmpty();
        });
        if (!read || !cellError.isEmpty()) {
            *error = read ? cellError : database.LastError();
            return false;
        }
        book->SaveAs(path);
    } catch (const WorkbookError& failure) {
        *error = failure.Message();
        return false;
    }
    return true;
}

} // namespace DrawLogExport
