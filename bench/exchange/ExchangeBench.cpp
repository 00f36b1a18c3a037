// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the participant import and the two exports cost, with the peak memory of the
// process. The import runs the whole row loop on a connection of its own, as the dialog's worker
// and the command line do: the checks, the existence query and the insert of every row, commits
// in batches. Its .xlsx and .xls files are made by LibreOffice (shared with the workbook
// benchmark; without soffice those rows are left out).
#include "support/BenchWorkbooks.h"
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "exchange/ImportSink.h"
#include "exchange/ParticipantImport.h"
#include "data/SqlStatements.h"
#include "exchange/WorkbookExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Runs = 3;
const QString Templates = QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/");

// Reports under a lock, as the dialog's worker hands its reports to the user-interface thread.
class LockedSink final : public ImportSink
{
public:
    void ResetResults() override {}
    void SetCounts(int total, int, int) override
    {
        const QMutexLocker lock(&m_mutex);
        m_total = total;
    }
    void AddFailure(const QString&, const QString&) override {}
    void SheetMissing() override {}

private:
    QMutex m_mutex;
    int m_total = 0;
};

QString NewDatabase(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile::remove(path);
    DatabaseCreator::CreateSqlite(path, {QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql")});
    return path;
}

int Import(const QString& workbook)
{
    QTemporaryDir dir;
    CAdoDatabase database;
    if (!database.ConnectDatabase(QString(), NewDatabase(dir, QStringLiteral("Data.db")))) {
        return 0;
    }
    database.SetDurability(CAdoDatabase::Durability::Bulk);
    LockedSink sink;
    ParticipantImport import(database, sink);
    import.Run(workbook);
    return import.Imported();
}

// A database with persons participants and the first winners of them.
QString Filled(const QTemporaryDir& dir, int persons, int winners)
{
    const QString path =
        NewDatabase(dir, QStringLiteral("Filled%1-%2.db").arg(persons).arg(winners));
    CAdoDatabase database;
    database.ConnectDatabase(QString(), path);
    database.SetDurability(CAdoDatabase::Durability::Bulk);
    database.BeginTransaction();
    for (int i = 0; i < persons; ++i) {
        const QString id = QStringLiteral("P%1").arg(i, 6, 10, QLatin1Char('0'));
        database.OpenQuery(
            QLatin1String(SqlStatements::InsertPerson),
            {id, QStringLiteral("张伟Wei%1").arg(i), QStringLiteral("Sales部%1").arg(i % 13)});
        if (i < winners) {
            database.OpenQuery(QLatin1String(SqlStatements::InsertWinner),
                               {id, QStringLiteral("2026-12-07 10:00:00"), i % 8 + 1, i / 8 + 1,
                                QStringLiteral("奖品%1").arg(i % 8 + 1), id, id});
        }
    }
    database.CommitTransaction();
    return path;
}

int Export(const QString& databasePath, bool winners, int rows)
{
    QTemporaryDir dir;
    CAdoDatabase database;
    if (!database.ConnectDatabase(QString(), databasePath)) {
        return 0;
    }
    const QString out = dir.filePath(QStringLiteral("out.xlsx"));
    const WorkbookExport::Outcome outcome =
        winners ? WorkbookExport::ExportWinners(database, Templates, out)
                : WorkbookExport::ExportParticipants(database, Templates, out);
    return outcome == WorkbookExport::Outcome::Saved ? rows : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("Participant import and workbook exports: median of %d runs, peak memory of the "
                "run's process\n\n",
                Runs);
    BenchWorkbooks::PrintTableHead();
    for (const int rows : {1000, 10000, 100000}) {
        const QString csv =
            BenchWorkbooks::ParticipantCsv(QStringLiteral(SORTILO_BENCH_DATA), rows);
        const QByteArray what = "import " + QByteArray::number(rows) + " participants";
        for (const char* format : {"xlsx", "xls"}) {
            // LibreOffice writes at most 65,536 rows to .xls, the format's bound.
            const QString file = BenchWorkbooks::Convert(csv, QLatin1String(format));
            if (!file.isEmpty()) {
                BenchWorkbooks::Report(what.constData(), format, Runs,
                                       [&] { return Import(file); });
            }
        }
        BenchWorkbooks::Report(what.constData(), "csv", Runs, [&] { return Import(csv); });
    }
    QTemporaryDir dir;
    const QString persons = Filled(dir, 100000, 0);
    BenchWorkbooks::Report("export 100000 participants", "xlsx", Runs,
                           [&] { return Export(persons, false, 100000); });
    const QString winners = Filled(dir, 10000, 10000);
    BenchWorkbooks::Report("export 10000 winners", "xlsx", Runs,
                           [&] { return Export(winners, true, 10000); });
    return 0;
}
