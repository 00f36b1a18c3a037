// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseTarget.h"
#include "data/EventSettings.h"
#include "exchange/ImportSink.h"
#include "exchange/ParticipantImport.h"
#include "exchange/WorkbookExport.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>

#include <cstdio>

namespace {

const QString ImportCommand = QStringLiteral("import");
const QString ExportParticipantsCommand = QStringLiteral("export-participants");
const QString ExportWinnersCommand = QStringLiteral("export-winners");

void Print(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stdout);
}

// Keeps the rejected rows for the summary; the figures are read from the import at the end.
class CollectingSink final : public ImportSink
{
public:
    void ResetResults() override { failures.clear(); }
    void SetCounts(int, int, int) override {}
    void AddFailure(const QString& rowText, const QString& reason) override
    {
        failures.append({rowText, reason});
    }
    void OpenTemplate() override {}

    QList<QPair<QString, QString>> failures;
};

int Import(CAdoDatabase& database, const QString& file)
{
    database.SetDurability(CAdoDatabase::Durability::Bulk);
    CollectingSink sink;
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

} // namespace

namespace CommandLine {

QStringList Commands()
{
    return {ImportCommand, ExportParticipantsCommand, ExportWinnersCommand};
}

QString HelpText()
{
    return QStringLiteral(
        "Commands (run in the event folder, without a window):\n"
        "  import FILE               Import participants from FILE (.xlsx, .xls or .csv) and\n"
        "                            print the totals and each rejected row with its reason.\n"
        "  export-participants FILE  Save the participant list as the workbook FILE (.xlsx).\n"
        "  export-winners FILE       Save the winners as the workbook FILE (.xlsx).\n");
}

int Run(const QString& command, const QString& file, const QString& appDirectory)
{
    // The same database as the program's: Data.db, or the server config.ini names.
    QString configError;
    const std::optional<DatabaseTarget> target =
        DatabaseTarget::FromConfig(appDirectory + QLatin1String(EventSettings::FileName),
                                   appDirectory + QStringLiteral("Data.db"), &configError);
    if (!target) {
        std::fprintf(stderr, "%s\n", qPrintable(configError));
        return 1;
    }
    CAdoDatabase database;
    if (!database.ConnectDatabase(*target)) {
        return 1;
    }
    const QString& path = file;
    if (command == ImportCommand) {
        return Import(database, path);
    }
    const WorkbookExport::Outcome outcome =
        command == ExportParticipantsCommand
            ? WorkbookExport::ExportParticipants(database, appDirectory, path)
            : WorkbookExport::ExportWinners(database, appDirectory, path);
    return outcome == WorkbookExport::Outcome::Saved ? 0 : 1;
}

} // namespace CommandLine
