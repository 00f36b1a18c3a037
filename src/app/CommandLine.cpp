// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/CheckinPageRunner.h"
#include "data/CAdoDatabase.h"
#include "data/DatabaseTarget.h"
#include "data/DrawLogCheck.h"
#include "data/EventSettings.h"
#include "exchange/DrawLogExport.h"
#include "exchange/ImportSink.h"
#include "exchange/ParticipantImport.h"
#include "exchange/WorkbookExport.h"

#include "platform/core/MessageService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QSysInfo>

#include <cstdio>

namespace {

const QString ImportCommand = QStringLiteral("import");
const QString ExportParticipantsCommand = QStringLiteral("export-participants");
const QString ExportWinnersCommand = QStringLiteral("export-winners");
const QString VerifyLogCommand = QStringLiteral("verify-log");
const QString ExportLogCommand = QStringLiteral("export-log");

// Exit code of verify-log when the log and the winners disagree.
constexpr int Disagrees = 3;

const QString ServeCheckinCommand = QStringLiteral("serve-checkin");

void Print(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stdout);
}

// Keeps the rejected rows for the summary; the figures are read from the import at the end.
class CollectingSink final : public ImportSink
{
public:
    explicit CollectingSink(QString appDirectory) : m_appDirectory(std::move(appDirectory)) {}

    void ResetResults() override { failures.clear(); }
    void SetCounts(int, int, int) override {}
    void AddFailure(const QString& rowText, const QString& reason) override
    {
        failures.append({rowText, reason});
    }
    // No question that a terminal cannot answer: where the template lies instead.
    void SheetMissing() override
    {
        const QString file =
            WorkbookExport::TemplateFile(m_appDirectory, WorkbookExport::ParticipantTemplate);
        const QString text = QCoreApplication::translate(
            "CommandLine", "导入的工作簿中没有名为 sheet1 的工作表，第一行须为 ID、NAME、MEMO。");
        ShowMessage(text + u'\n' +
                    (file.isEmpty()
                         ? QCoreApplication::translate("CommandLine", "模版文件不存在。")
                         : QCoreApplication::translate("CommandLine", "格式请参考模版文件：%1")
                               .arg(QDir::toNativeSeparators(file))));
    }

    QList<QPair<QString, QString>> failures;

private:
    QString m_appDirectory;
};

int Import(CAdoDatabase& database, const QString& file, const QString& appDirectory)
{
    database.SetDurability(CAdoDatabase::Durability::Bulk);
    CollectingSink sink(appDirectory);
    ParticipantImport import(database, sink);
    const ParticipantImport::Outcome outcome = import.Run(file);
    // A refused commit has told on standard error how many rows were kept; the figures count
    // only those, and the rows it undid are among the rejected ones.
    if (outcome != ParticipantImport::Outcome::Finished &&
        outcome != ParticipantImport::Outcome::CommitFailed) {
        return 1;
    }
    Print(QCoreApplication::translate("CommandLine", "一共导入：%1").arg(import.Total()));
    Print(QCoreApplication::translate("CommandLine", "成功导入：%1").arg(import.Imported()));
    Print(QCoreApplication::translate("CommandLine", "导入失败：%1").arg(import.Rejected()));
    for (const auto& [rowText, reason] : sink.failures) {
        Print(rowText + u'\t' + reason);
    }
    return outcome == ParticipantImport::Outcome::Finished ? 0 : 1;
}

// What verify-log says about a finding other than agreement.
QString FindingText(const DrawLogCheck::Result& result)
{
    using Finding = DrawLogCheck::Finding;
    switch (result.finding) {
    case Finding::Agrees:
        break;
    case Finding::Unreadable:
        return QCoreApplication::translate("CommandLine", "无法读取抽奖日志或中奖记录：%1")
            .arg(result.detail);
    case Finding::EntryBroken:
        return QCoreApplication::translate(
                   "CommandLine", "抽奖日志第 %1 条被改动过，或它之前的条目被删除过（%2）。")
            .arg(result.seq)
            .arg(result.detail);
    case Finding::HeadDiffers:
        return QCoreApplication::translate("CommandLine",
                                           "抽奖日志末尾的条目被删除或添加过（%1）。")
            .arg(result.detail);
    case Finding::EntryUnknown:
        return QCoreApplication::translate("CommandLine", "抽奖日志第 %1 条无法识别（%2）。")
            .arg(result.seq)
            .arg(result.detail);
    case Finding::WinTwice:
        return QCoreApplication::translate(
                   "CommandLine", "抽奖日志第 %1 条再次记下了 %2 中奖，其间没有清除中奖记录。")
            .arg(result.seq)
            .arg(result.personId);
    case Finding::WinMissing:
        return QCoreApplication::translate("CommandLine",
                                           "抽奖日志第 %1 条记下的 %2 中奖不在中奖记录中。")
            .arg(result.seq)
            .arg(result.personId);
    case Finding::WinChanged:
        return QCoreApplication::translate("CommandLine",
                                           "中奖记录中 %1 的中奖与抽奖日志第 %2 条不同（%3）。")
            .arg(result.personId)
            .arg(result.seq)
            .arg(result.detail);
    case Finding::WinUnlogged:
        return QCoreApplication::translate("CommandLine",
                                           "中奖记录中 %1 的中奖没有记在抽奖日志中。")
            .arg(result.personId);
    case Finding::VoidInvalid:
        return QCoreApplication::translate("CommandLine",
                                           "抽奖日志第 %1 条对 %2 的作废、撤销或替补不成立（%3）。")
            .arg(result.seq)
            .arg(result.personId, result.detail);
    case Finding::VoidMissing:
        return QCoreApplication::translate("CommandLine",
                                           "抽奖日志第 %1 条记下的 %2 的作废不在作废记录中。")
            .arg(result.seq)
            .arg(result.personId);
    case Finding::VoidChanged:
        return QCoreApplication::translate("CommandLine",
                                           "作废记录中 %1 的作废与抽奖日志第 %2 条不同（%3）。")
            .arg(result.personId)
            .arg(result.seq)
            .arg(result.detail);
    case Finding::VoidUnlogged:
        return QCoreApplication::translate("CommandLine",
                                           "作废记录中 %1 的作废没有记在抽奖日志中。")
            .arg(result.personId);
    }
    return QString();
}

// Walks the log and compares it with the winners: 0 and the counts when they agree, Disagrees
// and the first difference when they do not, 1 when they could not be read.
int VerifyLog(CAdoDatabase& database)
{
    const DrawLogCheck::Result result = DrawLogCheck::Run(database);
    if (result.finding == DrawLogCheck::Finding::Unreadable) {
        ShowMessage(FindingText(result));
        return 1;
    }
    if (result.finding != DrawLogCheck::Finding::Agrees) {
        QString text = FindingText(result);
        if (result.differences > 1) {
            text += u'\n' + QCoreApplication::translate("CommandLine",
                                                        "中奖记录与抽奖日志共有 %1 处不一致。")
                                .arg(result.differences);
        }
        ShowMessage(text);
        return Disagrees;
    }
    Print(QCoreApplication::translate("CommandLine", "抽奖日志完整，与中奖记录一致。"));
    Print(QCoreApplication::translate("CommandLine", "日志条目：%1（中奖 %2，清除 %3，导入 %4）")
              .arg(result.entries)
              .arg(result.wins)
              .arg(result.clearings)
              .arg(result.imports));
    Print(QCoreApplication::translate("CommandLine", "中奖人数：%1").arg(result.winners));
    Print(QCoreApplication::translate("CommandLine", "作废：%1（撤销 %2，替补 %3），作废记录 %4 条")
              .arg(result.voids)
              .arg(result.undone)
              .arg(result.replacements)
              .arg(result.voided));
    Print(QCoreApplication::translate("CommandLine", "最后一条的摘要：%1").arg(result.lastDigest));
    return 0;
}

int ExportLog(CAdoDatabase& database, const QString& path)
{
    QString error;
    if (!DrawLogExport::Write(database, path, &error)) {
        ShowMessage(QCoreApplication::translate("CommandLine", "无法保存抽奖日志 %1：%2")
                        .arg(QDir::toNativeSeparators(path), error));
        return 1;
    }
    return 0;
}

// The same database as the program's: Data.db, or the server config.ini names.
bool Connect(CAdoDatabase& database, const QString& appDirectory)
{
    QString configError;
    const std::optional<DatabaseTarget> target =
        DatabaseTarget::FromConfig(appDirectory + QLatin1String(EventSettings::FileName),
                                   appDirectory + QStringLiteral("Data.db"), &configError);
    if (!target) {
        std::fprintf(stderr, "%s\n", qPrintable(configError));
        return false;
    }
    return database.ConnectDatabase(*target);
}

} // namespace

namespace CommandLine {

QStringList Commands()
{
    return {ImportCommand,    ExportParticipantsCommand, ExportWinnersCommand,
            VerifyLogCommand, ExportLogCommand,          ServeCheckinCommand};
}

bool TakesFile(const QString& command)
{
    return command != VerifyLogCommand && command != ServeCheckinCommand;
}

QString HelpText()
{
    return QStringLiteral(
        "Commands (run in the event folder; all but checkin without a window):\n"
        "  import FILE               Import participants from FILE (.xlsx, .xls or .csv) and\n"
        "                            print the totals and each rejected row with its reason.\n"
        "  export-participants FILE  Save the participant list as the workbook FILE (.xlsx).\n"
        "  export-winners FILE       Save the winners as the workbook FILE (.xlsx).\n"
        "  verify-log                Check the draw log and compare it with the winners: print\n"
        "                            the counts and exit 0 when they agree, name the first\n"
        "                            difference and exit 3 when they do not.\n"
        "  export-log FILE           Save the draw log as the workbook FILE (.xlsx).\n"
        "  checkin                   Open only the check-in desk window on the event (for a\n"
        "                            second computer at the door on the shared database).\n"

        "  serve-checkin [--port N]  Serve the check-in page on the local network (port 8080\n"
        "                            unless --port is given) and print its address, until\n"
        "                            interrupted.\n");
}

int Run(const QString& command, const QString& file, const QString& appDirectory)
{
    CAdoDatabase database;
    if (!Connect(database, appDirectory)) {
        return 1;
    }
    const QString& path = file;
    if (command == ImportCommand) {
        return Import(database, path, appDirectory);
    }
    if (command == VerifyLogCommand) {
        return VerifyLog(database);
    }
    if (QFileInfo(path).suffix().compare(u"xls", Qt::CaseInsensitive) == 0) {
        // The workbook is written as .xlsx; under a .xls name spreadsheet programs refuse it.
        ShowMessage(QCoreApplication::translate(
                        "CommandLine", "工作簿以 .xlsx 格式保存，不能用 .xls 作扩展名：%1\n"
                                       "请改用 .xlsx 扩展名。")
                        .arg(QDir::toNativeSeparators(path)));
        return 1;
    }
    if (command == ExportLogCommand) {
        return ExportLog(database, path);
    }
    const WorkbookExport::Outcome outcome =
        command == ExportParticipantsCommand
            ? WorkbookExport::ExportParticipants(database, appDirectory, path)
            : WorkbookExport::ExportWinners(database, appDirectory, path);
    return outcome == WorkbookExport::Outcome::Saved ? 0 : 1;
}

int ServeCheckin(const QString& appDirectory, quint16 port)
{
    // A machine at the door without a network still serves the page to itself (a kiosk).
    CheckinPageRunner page(appDirectory, QSysInfo::machineHostName(),
                           CheckinPageRunner::Network::Optional);
    QString error;
    if (!page.StartPage(port, &error)) {
        ShowMessage(error);
        return 1;
    }
    Print(page.PageUrl());
    if (!page.CodeFilePath().isEmpty()) {
        Print(QCoreApplication::translate("CommandLine", "签到二维码：%1")
                  .arg(QDir::toNativeSeparators(page.CodeFilePath())));
    }
    std::fflush(stdout);
    return QCoreApplication::exec() == 0 ? 0 : 1;
}

} // namespace CommandLine
