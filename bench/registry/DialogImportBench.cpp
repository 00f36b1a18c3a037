// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the peak memory of a 100,000-row import through the participant dialog (its worker, the
// result window, the list reloaded at the end), once into an empty event and once with every row
// refused as already stored (the result window then lists them all), beside the same import as
// the command line runs it. Each run is a process of its own. An argument names another workbook
// to import instead of the one the benchmark writes.
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "exchange/ImportSink.h"
#include "exchange/ParticipantImport.h"
#include "platform/core/MessageService.h"
#include "registry/CImportResultDlg.h"
#include "registry/CPersonDlg.h"
#include "registry/ImportWorker.h"
#include "support/BenchWorkbooks.h"
#include "support/QuietMessages.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int Participants = 100000;

class NoSink final : public ImportSink
{
public:
    void ResetResults() override {}
    void SetCounts(int, int, int) override {}
    void AddFailure(const QString&, const QString&) override {}
    void SheetMissing() override {}
};

// The command line's import: on the main thread, no window.
int CommandLineImport(const QString& database, const QString& workbook)
{
    CAdoDatabase db;
    if (!db.ConnectDatabase(QString(), database)) {
        return 0;
    }
    db.SetDurability(CAdoDatabase::Durability::Bulk);
    NoSink sink;
    ParticipantImport import(db, sink);
    import.Run(workbook);
    return import.Imported();
}

// The dialog's import, from its button to the list reloaded; returns the rows read.
int DialogImport(const QString& database, const QString& folder, const QString& workbook)
{
    int argc = 1;
    char name[] = "bench";
    char* argv[] = {name, nullptr};
    PreferOffscreenPlatform();
    QApplication app(argc, argv);
    QuietMessages messages;
    MessageService::Install(&messages);
    CAdoDatabase db;
    if (!db.ConnectDatabase(QString(), database)) {
        return 0;
    }
    CPersonDlg dlg(db, folder);
    dlg.SetOpenChooser([&](QWidget*, const QString&) { return workbook; });
    dlg.show();
    QApplication::processEvents();
    dlg.Ui().import->click();
    if (ImportWorker* worker = dlg.RunningImport()) {
        QEventLoop wait;
        QObject::connect(worker, &QThread::finished, &wait, &QEventLoop::quit,
                         Qt::QueuedConnection);
        wait.exec();
    }
    QApplication::processEvents();
    MessageService::Install(nullptr);
    return dlg.ResultDialog().TotalText().toInt();
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QString workbook = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (workbook.isEmpty()) {
        workbook = folder + QStringLiteral("participants.xlsx");
        if (BenchWorkbooks::Median(1, [&] {
                return BenchWorkbooks::WriteParticipantWorkbook(workbook, Participants);
            }).rows == 0) {
            return 1;
        }
    }
    const QString schema = QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql");
    const auto fresh = [&](const QString& name) {
        const QString path = folder + name;
        QFile::remove(path);
        DatabaseCreator::CreateSqlite(path, {schema});
        return path;
    };

    std::printf("Participant import of %s: peak memory of the process (offscreen)\n\n",
                qPrintable(workbook));
    BenchWorkbooks::PrintTableHead();
    BenchWorkbooks::Report("command line, new rows", "xlsx", 1, [&] {
        return CommandLineImport(fresh(QStringLiteral("cli.db")), workbook);
    });
    BenchWorkbooks::Report("dialog, new rows", "xlsx", 1, [&] {
        return DialogImport(fresh(QStringLiteral("Data.db")), folder, workbook);
    });
    // The same rows again: every one is refused and listed in the result window.
    BenchWorkbooks::Report("dialog, every row refused", "xlsx", 1, [&] {
        return DialogImport(folder + QStringLiteral("Data.db"), folder, workbook);
    });
    return 0;
}
