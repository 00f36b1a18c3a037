// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/WorkbookExport.h"

#include "data/CAdoDatabase.h"
#include "data/ReadSnapshot.h"
#include "data/SqlStatements.h"
#include "data/VoidStore.h"
#include "exchange/PersonText.h"
#include "exchange/excel/CExcelApplication.h"
#include "exchange/excel/CExcelDispatchException.h"
#include "exchange/excel/MissingArgument.h"
#include "platform/core/MessageService.h"
#include "platform/core/SharedFiles.h"
#include "platform/workbook/Workbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QVariant>

#include <optional>

namespace {

// Why a file cannot be replaced, empty when it can. An existing file stays untouched until the
// new one is complete (it is replaced in one step), so only a path that can never take the new
// file is refused this early: a folder, or a file the operator may not write.
QString CannotReplace(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        return QString();
    }
    if (file.isDir()) {
        return QCoreApplication::translate("WorkbookExport", "这是一个文件夹");
    }
    if (!file.isWritable()) {
        return QCoreApplication::translate("WorkbookExport", "这个文件是只读的或没有写入权限");
    }
    return QString();
}

void ShowWithProgramCaption(const QString& text)
{
    MessageService::Current().Show(text, QCoreApplication::applicationName(),
                                   MessageService::Buttons::Ok);
}

// Leading blanks of each column of the winners sheet, and the view's field it shows.
struct WinnerColumn
{
    const char* field;
    int blanks;
};
constexpr WinnerColumn kWinnerColumns[] = {{"step", 5},       {"sNo", 5},        {"PersonID", 2},
                                           {"PersonName", 2}, {"sDateTime", 1},  {"JP", 1},
                                           {"company", 2},    {"PersonGroup", 2}};

// What an export adds beside its main sheet: readFirst reads it, in the same moment as the
// main query; addSheets writes it once the main rows are written.
struct ExtraSheets
{
    std::function<bool()> readFirst;
    std::function<void(CExcelWorksheets&)> addSheets;
};

// The chain every export follows. rename: the name the sheet gets, empty to keep it.
WorkbookExport::Outcome Export(CAdoDatabase& database, const QString& templatePath,
                               const QString& path, const QString& rename, const char* query,
                               int firstRow,
                               const std::function<void(CExcelRange&, int row)>& writeRow,
                               const WorkbookExport::Progress& progress,
                               const ExtraSheets& extra = {})
{
    if (const QString reason = CannotReplace(path); !reason.isEmpty()) {
        // "Failed " leads, as it always has; the reason and the path follow.
        ShowWithProgramCaption(QStringLiteral("Failed ") +
                               QCoreApplication::translate("WorkbookExport", "无法替换 %1：%2")
                                   .arg(QDir::toNativeSeparators(path), reason));
        return WorkbookExport::Outcome::CannotReplace;
    }
    CExcelApplication app;
    if (!app.CreateDispatch(QStringLiteral("Excel.Application"))) {
        ShowMessage(QStringLiteral("FAILED TO CONNECT Excel Server"));
        return WorkbookExport::Outcome::NoServer;
    }
    bool progressShown = false;
    try {
        app.SetVisible(false);
        CExcelWorkbooks books = app.GetWorkbooks();
        CExcelWorkbook book = books.Add(QVariant(templatePath));
        CExcelWorksheets sheets = book.GetWorksheets();
        CExcelWorksheet sheet = sheets.GetItem(QVariant(QStringLiteral("sheet1")));
        if (!rename.isEmpty()) {
            sheet.SetName(rename);
            sheet = sheets.GetItem(QVariant(rename));
        }
        CExcelRange cells = sheet.GetCells();

        {
            // The rows are all read when the query opens; the snapshot ends with that.
            std::optional<ReadSnapshot> snapshot;
            if (extra.readFirst) {
                snapshot.emplace(database);
            }
            if ((extra.readFirst && !extra.readFirst()) ||
                !database.OpenQuery(QLatin1String(query))) {
                return WorkbookExport::Outcome::QueryFailed;
            }
        }
        const int count = database.GetRecordCount();
        if (progress.Begin) {
            progress.Begin(count);
        }
        progressShown = true;
        int row = firstRow;
        for (; !database.IsEOF(); database.MoveNext(), ++row) {
            writeRow(cells, row);
            if (progress.Step) {
                progress.Step(row - firstRow + 1);
            }
        }
        if (extra.addSheets) {
            extra.addSheets(sheets);
        }
        progressShown = false;
        if (progress.End) {
            progress.End();
        }
        sheet.SaveAs(path, MissingArgument, MissingArgument, MissingArgument, MissingArgument,
                     MissingArgument, MissingArgument, MissingArgument, MissingArgument);
        app.SetVisible(true);
    } catch (const CExcelDispatchException& error) {
        if (progressShown && progress.End) {
            progress.End();
        }
        ShowMessage(error.Description());
        return WorkbookExport::Outcome::Failed;
    }
    return WorkbookExport::Outcome::Saved;
}

// A stored text as a cell, cut to the entry bound of a name (marked "…"): nothing stored (a value
// written before the bounds, or by another program) can make the export fail on a cell's limit.
QVariant Text(const QString& text, const QString& blanks = QString())
{
    return QVariant(blanks + PersonText::Cut(text, PersonText::MaxNameChars));
}

// The voided wins as a sheet "作废" after the others: a heading row, then one row each.
void WriteVoidedSheet(CExcelWorksheets& sheets, const QList<VoidedWinRow>& rows)
{
    CExcelWorksheet sheet = sheets.Add();
    sheet.SetName(QCoreApplication::translate("WorkbookExport", "作废"));
    CExcelRange cells = sheet.GetCells();
    const QString headings[] = {QCoreApplication::translate("WorkbookExport", "编号"),
                                QCoreApplication::translate("WorkbookExport", "姓名"),
                                QCoreApplication::translate("WorkbookExport", "备注"),
                                QCoreApplication::translate("WorkbookExport", "分组"),
                                QCoreApplication::translate("WorkbookExport", "奖项等级"),
                                QCoreApplication::translate("WorkbookExport", "名次"),
                                QCoreApplication::translate("WorkbookExport", "奖品"),
                                QCoreApplication::translate("WorkbookExport", "中奖时间"),
                                QCoreApplication::translate("WorkbookExport", "作废时间"),
                                QCoreApplication::translate("WorkbookExport", "原因"),
                                QCoreApplication::translate("WorkbookExport", "替补编号")};
    for (int column = 0; column < int(std::size(headings)); ++column) {
        cells.SetItem(QVariant(1), QVariant(column + 1), Text(headings[column]));
    }
    int row = 1;
    for (const VoidedWinRow& voided : rows) {
        ++row;
        const QString values[] = {voided.PersonID,
                                  voided.PersonName,
                                  voided.Company,
                                  voided.PersonGroup,
                                  QString::number(voided.step),
                                  QString::number(voided.sNo),
                                  voided.JP,
                                  voided.sDateTime,
                                  voided.VoidTime,
                                  voided.Reason,
                                  voided.ReplacedBy};
        for (int column = 0; column < int(std::size(values)); ++column) {
            cells.SetItem(QVariant(row), QVariant(column + 1), Text(values[column]));
        }
    }
}

} // namespace

QString WorkbookExport::TemplatePath(const QString& appDirectory, const char* name)
{
    const QString own = appDirectory + QLatin1String(name);
    const QString shared = SharedFiles::Directory();
    if (!Workbook::FindTemplate(own).isEmpty() || shared.isEmpty()) {
        return own;
    }
    const QString fallback = shared + QLatin1String(name);
    return Workbook::FindTemplate(fallback).isEmpty() ? own : fallback;
}

QString WorkbookExport::TemplateFile(const QString& appDirectory, const char* name)
{
    return Workbook::FindTemplate(TemplatePath(appDirectory, name));
}

WorkbookExport::Outcome WorkbookExport::ExportParticipants(CAdoDatabase& database,
                                                           const QString& appDirectory,
                                                           const QString& path,
                                                           const Progress& progress)
{
    const QString id = QStringLiteral("PersonID");
    const QString name = QStringLiteral("PersonName");
    const QString remark = QStringLiteral("Company");
    const QString group = QStringLiteral("PersonGroup");
    const QString checkin = QStringLiteral("CheckinTime");
    return Export(
        database, TemplatePath(appDirectory, ParticipantTemplate), path, QString(),
        SqlStatements::SelectPersonsForExport, 2,
        [&](CExcelRange& cells, int row) {
            const QVariant r(row);
            cells.SetItem(r, QVariant(1), Text(database.GetFieldText(id)));
            cells.SetItem(r, QVariant(2), Text(database.GetFieldText(name)));
            cells.SetItem(r, QVariant(3), Text(database.GetFieldText(remark)));
            // The group column follows the template's three; its heading is written with
            // the first row, so an import of the export reads the groups back.
            if (row == 2) {
                cells.SetItem(QVariant(1), QVariant(4), Text(QStringLiteral("GROUP")));
            }
            cells.SetItem(r, QVariant(4), Text(database.GetFieldText(group)));
            // The check-in time, after the columns the import reads and the group (it ignores this
            // one).
            if (row == 2) {
                cells.SetItem(QVariant(1), QVariant(5), QVariant(QStringLiteral("CHECKIN")));
            }
            cells.SetItem(r, QVariant(5), Text(database.GetFieldText(checkin)));
        },
        progress);
}

WorkbookExport::Outcome WorkbookExport::ExportWinners(CAdoDatabase& database,
                                                      const QString& appDirectory,
                                                      const QString& path, const Progress& progress)
{
    // The voided wins go into a sheet of their own after the valid ones; an event without any
    // exports as it always has.
    std::optional<QList<VoidedWinRow>> voided;
    const ExtraSheets extra{[&] {
                                voided = VoidStore(database, QString()).Records();
                                return voided.has_value();
                            },
                            [&](CExcelWorksheets& sheets) {
                                if (!voided->isEmpty()) {
                                    WriteVoidedSheet(sheets, *voided);
                                }
                            }};
    QStringList fields;
    QStringList blanks;
    for (const WinnerColumn& column : kWinnerColumns) {
        fields << QLatin1String(column.field);
        blanks << QString(column.blanks, u' ');
    }
    return Export(
        database, TemplatePath(appDirectory, WinnerTemplate), path, QStringLiteral("Prize"),
        SqlStatements::SelectWinnersForExport, 4,
        [&](CExcelRange& cells, int row) {
            const QVariant r(row);
            // The group column follows the template's seven; its heading comes with the first
            // row, under the template's headings.
            if (row == 4) {
                cells.SetItem(QVariant(3), QVariant(int(fields.size())),
                              Text(QCoreApplication::translate("WorkbookExport", "组别")));
            }
            for (int column = 0; column < fields.size(); ++column) {
                cells.SetItem(r, QVariant(column + 1),
                              Text(database.GetFieldText(fields[column]), blanks[column]));
            }
        },
        progress, extra);
}
