// SPDX-License-Identifier: GPL-3.0-or-later
// The operator's night at 100,000 participants, in one process, on a fresh event folder made as
// the program makes one: the participants imported from an .xlsx through the participant
// dialog's import button, the dialog opened on them, rounds drawn at every prize level by the
// draw engine, the winners record opened, and both lists exported through their dialogs' export
// buttons. File dialogs and boxes are answered by the benchmark; the draw's timers run on a
// virtual clock, so its figures are the engine's own work and the database's. Prints one table
// of each step against its target, with the peak memory of the process. An argument names another
// workbook to import instead of the one the benchmark makes (see main).
#include "app/EventFolder.h"
#include "data/CAdoDatabase.h"
#include "data/PersonStore.h"
#include "data/PrizeStore.h"
#include "draw/engine/DrawEngine.h"
#include "exchange/ExportWorker.h"
#include "platform/core/MessageService.h"
#include "platform/core/SharedFiles.h"
#include "records/CPrizeRecordDlg.h"
#include "records/CRecordListCtrl.h"
#include "registry/CImportResultDlg.h"
#include "registry/CPersonDlg.h"
#include "registry/ImportWorker.h"
#include "registry/PersonTableModel.h"
#include "support/BenchWorkbooks.h"
#include "support/QuietMessages.h"
#include "support/VirtualClockHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr int Participants = 100000;
constexpr int RoundsPerLevel = 3;
// Timer messages the reels roll for before the operator presses Stop (eight reels at 10 ms: about
// a second and a quarter).
constexpr int RollingMessages = 1000;
// The big round drawn after the others, at level 8: its winners stored at once on Stop.
constexpr int BigRoundSize = 1000;

// Boxes are answered Yes and kept; each step says how many it expects.
class NightMessages final : public MessageService
{
public:
    Answer Show(const QString& text, const QString&, Buttons) override
    {
        m_texts << text;
        return Answer::Yes;
    }
    // Prints the boxes since the last call unless there were as many as the step expects.
    void Expect(const char* step, int expected)
    {
        if (m_texts.size() != expected) {
            for (const QString& text : std::as_const(m_texts)) {
                std::fprintf(stderr, "%s: box \"%s\"\n", step, qPrintable(text));
            }
        }
        m_texts.clear();
    }

private:
    QStringList m_texts;
};

// One line of the table; a target of 0 has none.
struct Line
{
    QString step;
    int rows;
    double figure;
    const char* unit;
    double target;
    // Of the process once the step is done.
    double residentMb = 0;
    double peakMb = 0;
};

QString Figure(double value, const char* unit)
{
    const int decimals = value < 1 ? 4 : value < 10 ? 3 : 1;
    return QStringLiteral("%1 %2").arg(value, 0, 'f', decimals).arg(QLatin1String(unit));
}

void PrintTable(const std::vector<Line>& lines)
{
    std::printf("| step | rows or samples | figure | target | met | resident MB after | peak MB so "
                "far |\n");
    std::printf("|---|---:|---:|---:|---|---:|---:|\n");
    for (const Line& line : lines) {
        const bool hasTarget = line.target > 0;
        std::printf("| %s | %s | %s | %s | %s | %.0f | %.0f |\n", qPrintable(line.step),
                    line.rows > 0 ? qPrintable(QString::number(line.rows)) : "",
                    qPrintable(Figure(line.figure, line.unit)),
                    hasTarget ? qPrintable(QStringLiteral("< ") + Figure(line.target, line.unit))
                              : "",
                    hasTarget ? (line.figure < line.target ? "yes" : "no") : "", line.residentMb,
                    line.peakMb);
    }
    std::fflush(stdout);
}

// Waits until the dialog's worker thread (an import or an export) has ended and the dialog has
// taken its end.
void Await(QThread* worker)
{
    if (!worker) {
        return;
    }
    QEventLoop wait;
    // Queued after the dialog's own handler of the end.
    QObject::connect(worker, &QThread::finished, &wait, &QEventLoop::quit, Qt::QueuedConnection);
    wait.exec();
}

double Ms(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e6;
}

// Lays out and paints what the dialog shows.
void Paint(QWidget& dialog, QAbstractItemView& list)
{
    dialog.show();
    QApplication::processEvents();
    list.viewport()->repaint();
}

// A memory figure of this process in kB (VmRSS: resident, VmHWM: peak resident), 0 when
// unknown.
long MemoryKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

// Adds a line with the memory of the moment.
void Add(std::vector<Line>& lines, Line line)
{
    line.residentMb = MemoryKb("VmRSS:") / 1024.0;
    line.peakMb = MemoryKb("VmHWM:") / 1024.0;
    lines.push_back(std::move(line));
}

// What the draw cost; all in milliseconds.
struct DrawFigures
{
    double firstAfterImport = 0;
    double firstAfterAddition = 0;
    std::vector<double> firstPicks; // first picks of the other rounds
    RoundCosts costs;
    int rounds = 0;
};

// One round at the engine's level and quota: the reels roll, the operator stops the first pick
// and the engine makes the others. Returns the first pick's cost (Start and Stop).
double Round(DrawEngine& engine, VirtualClockHost& host, DrawFigures& figures)
{
    QElapsedTimer clock;
    clock.start();
    engine.StartRound();
    const double start = Ms(clock);
    ++figures.rounds;
    return start + RunRound(engine, host, figures.costs, RollingMessages);
}

DrawFigures Draw(DrawEngine& engine, VirtualClockHost& host, CAdoDatabase& database)
{
    DrawFigures figures;
    while (engine.RoundQuota() < DrawEngine::MaxValue) {
        engine.QuotaUp();
    }
    for (int level = 1; level <= DrawEngine::MaxValue; ++level) {
        while (engine.PrizeLevel() < level) {
            engine.LevelUp();
        }
        if (level == 5) {
            // Half way, a latecomer is keyed in (the dialog's save stores through PersonStore).
            PersonStore(database).Insert(
                {QStringLiteral("LATE01"), QStringLiteral("迟到者"), QString()});
            figures.firstAfterAddition = Round(engine, host, figures);
        }
        for (int round = level == 5 ? 1 : 0; round < RoundsPerLevel; ++round) {
            const double first = Round(engine, host, figures);
            if (level == 1 && round == 0) {
                figures.firstAfterImport = first;
            } else {
                figures.firstPicks.push_back(first);
            }
        }
    }
    return figures;
}

double Max(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// One integer a query reads, -1 when it fails.
int QueryInt(CAdoDatabase& database, const QString& sql, const QString& field)
{
    if (!database.OpenQuery(sql) || database.IsEOF()) {
        return -1;
    }
    return database.GetFieldText(field).toInt();
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(dir.errorString()));
        return 1;
    }
    // The operator's workbook: the one named on the command line, else a spreadsheet program's
    // (LibreOffice's, its names and remarks rich text: the costly case; made once and kept with
    // the workbook benchmarks'), else one written by our own engine (plain inline strings). What
    // is made is made in a child process, so that its memory is not the program's.
    QString workbook = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QString origin = QStringLiteral("given on the command line");
    if (workbook.isEmpty()) {
        const QString own = dir.filePath(QStringLiteral("participants.xlsx"));
        const auto spreadsheetMade = [] {
            return BenchWorkbooks::Convert(
                BenchWorkbooks::ParticipantCsv(QStringLiteral(SORTILO_BENCH_DATA), Participants),
                QStringLiteral("xlsx"));
        };
        const BenchWorkbooks::Measure made = BenchWorkbooks::Median(1, [&] {
            return spreadsheetMade().isEmpty()
                       ? BenchWorkbooks::WriteParticipantWorkbook(own, Participants)
                       : Participants;
        });
        if (made.rows != Participants) {
            return 1;
        }
        // Both return at once what exists.
        workbook = spreadsheetMade();
        origin = QStringLiteral("made by LibreOffice, rich text");
        if (workbook.isEmpty()) {
            workbook = own;
            origin = QStringLiteral("written by our workbook engine, inline strings");
        }
    }

    PreferOffscreenPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sortilo"));
    NightMessages messages;
    MessageService::Install(&messages);

    // The shared files (schema and workbook templates) as the program finds them beside itself.
    SharedFiles::SetDirectory(QStringLiteral(SORTILO_SHARED_DIR));
    const EventFolder::Result folder =
        EventFolder::Open(dir.filePath(QStringLiteral("event")), SharedFiles::Directory());
    if (folder.directory.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(folder.error));
        return 1;
    }
    const QString appDirectory = folder.directory;
    CAdoDatabase database;
    if (!database.ConnectDatabase(QString(),
                                  appDirectory + QLatin1String(EventFolder::DatabaseName))) {
        return 1;
    }

    std::printf(
        "The operator's night at %d participants in one process (offscreen, fresh event folder, "
        "SQLite with durable commits).\nThe import's workbook: %.1f MB, %s.\nDraw: %d rounds "
        "of %d picks at each level 1..%d, a latecomer added before level 5; the reels roll on a "
        "virtual clock,\n%d timer messages before Stop. A pick is Start and Stop for a round's "
        "first, else the reveal timer's start of the pick and the choice\n300 ms later. A reel "
        "tick is a rolling reel's timer message, against the %d ms period; the last reel's tick "
        "that stores the\nwinner waits for the durable commit, while no reel rolls.\n\n",
        Participants, QFileInfo(workbook).size() / 1e6, qPrintable(origin), RoundsPerLevel,
        DrawEngine::MaxValue, DrawEngine::MaxValue, RollingMessages, DrawEngine::ReelIntervalMs);

    std::vector<Line> lines;
    QElapsedTimer clock;
    // The draw window is open all night: its engine predates the import.
    VirtualClockHost host;
    DrawEngine engine(host, database);

    // 1. The import: the dialog's button, its worker thread, the list reloaded at the end.
    {
        CPersonDlg dlg(database, appDirectory);
        dlg.SetOpenChooser([&](QWidget*, const QString&) { return workbook; });
        Paint(dlg, *dlg.Ui().list);
        clock.start();
        dlg.Ui().import->click();
        Await(dlg.RunningImport());
        const double ms = Ms(clock);
        messages.Expect("import", 1); // "import finished"
        Add(lines, {QStringLiteral("import (xlsx, dialog's worker, list reloaded)"),
                    dlg.ResultDialog().ImportedText().toInt(), ms / 1000, "s", 5});
    }
    // As the dialog closes, the window takes what it changed into the draw's pool.
    clock.start();
    engine.RefreshCandidatePool();
    Add(lines, {QStringLiteral("pool read as the dialog closes"),
                static_cast<int>(engine.Pool().Size()), Ms(clock), "ms", 0});

    // 2. The participant dialog opened on them.
    {
        clock.start();
        CPersonDlg dlg(database, appDirectory);
        Paint(dlg, *dlg.Ui().list);
        Add(lines, {QStringLiteral("participant dialog opened"), dlg.Model().rowCount(), Ms(clock),
                    "ms", 1000});
        messages.Expect("participant dialog", 0);
    }

    // 3. The draw, then a big round of level 8 set in the prize settings.
    const DrawFigures draw = Draw(engine, host, database);
    PrizeStore::RoundSizes sizes;
    sizes.fill(PrizeStore::DefaultRoundSize);
    sizes[DrawEngine::MaxValue - 1] = BigRoundSize;
    PrizeStore(database).UpdateRoundSizes(sizes);
    engine.QuotaUp(); // from 8 to the level's round size
    engine.StartRound();
    RoundCosts bigCosts;
    const double bigStop = RunRound(engine, host, bigCosts, RollingMessages);
    const int bigStored = static_cast<int>(engine.BigRoundWinners().size());
    messages.Expect("draw", 0);
    const int winners = QueryInt(database, QStringLiteral("select count(*) as n from ComePrize"),
                                 QStringLiteral("n"));
    const int distinct =
        QueryInt(database, QStringLiteral("select count(distinct PersonID) as n from ComePrize"),
                 QStringLiteral("n"));
    // Every pick stored, nobody twice: a night that breaks this fails the run.
    const int expected = draw.rounds * DrawEngine::MaxValue + BigRoundSize;
    const bool drawSound = winners == expected && distinct == winners;
    if (!drawSound) {
        std::fprintf(stderr, "draw: %d winners stored (%d different) for %d picks\n", winners,
                     distinct, expected);
    }
    Add(lines, {QStringLiteral("first pick after the import"), 1, draw.firstAfterImport, "ms", 20});
    Add(lines, {QStringLiteral("first pick after a participant added"), 1, draw.firstAfterAddition,
                "ms", 20});
    Add(lines, {QStringLiteral("first pick of the other rounds, median"),
                static_cast<int>(draw.firstPicks.size()), MedianOf(draw.firstPicks), "ms", 20});
    Add(lines, {QStringLiteral("first pick of the other rounds, worst"),
                static_cast<int>(draw.firstPicks.size()), Max(draw.firstPicks), "ms", 20});
    Add(lines, {QStringLiteral("later pick, median"), static_cast<int>(draw.costs.picks.size()),
                MedianOf(draw.costs.picks), "ms", 20});
    Add(lines, {QStringLiteral("later pick, worst"), static_cast<int>(draw.costs.picks.size()),
                Max(draw.costs.picks), "ms", 20});
    Add(lines, {QStringLiteral("reel tick, median"), static_cast<int>(draw.costs.ticks.size()),
                MedianOf(draw.costs.ticks), "ms", DrawEngine::ReelIntervalMs});
    Add(lines, {QStringLiteral("reel tick, worst"), static_cast<int>(draw.costs.ticks.size()),
                Max(draw.costs.ticks), "ms", DrawEngine::ReelIntervalMs});
    Add(lines, {QStringLiteral("winner stored and shown (last reel's tick), worst"),
                static_cast<int>(draw.costs.stores.size()), Max(draw.costs.stores), "ms", 0});
    Add(lines, {QStringLiteral("big round: Stop chooses and stores every winner (one transaction)"),
                bigStored, bigStop, "ms", 1000});

    // 4. The winners record, and its export.
    {
        clock.start();
        CPrizeRecordDlg record(database, appDirectory);
        Paint(record, record.List());
        Add(lines, {QStringLiteral("winners record opened"), record.List().RowCount(), Ms(clock),
                    "ms", 1000});
        const QString path = dir.filePath(QStringLiteral("Prize1.xlsx"));
        record.SetSaveChooser([&](QWidget*, const QString&) { return path; });
        clock.start();
        record.ExportButton().click();
        Await(record.RunningExport()); // written on a thread of its own
        const double ms = Ms(clock);
        Add(lines, {QStringLiteral("winners exported"), QFileInfo(path).isFile() ? winners : 0,
                    ms / 1000, "s", 2});
        messages.Expect("winners record", 0);
    }

    // 5. The participants exported from their dialog.
    {
        CPersonDlg dlg(database, appDirectory);
        Paint(dlg, *dlg.Ui().list);
        const QString path = dir.filePath(QStringLiteral("Persons.xlsx"));
        dlg.SetSaveChooser([&](QWidget*, const QString&) { return path; });
        clock.start();
        dlg.Ui().exportList->click();
        Await(dlg.RunningExport());
        const double ms = Ms(clock);
        Add(lines, {QStringLiteral("participants exported"),
                    QFileInfo(path).isFile() ? dlg.Model().rowCount() : 0, ms / 1000, "s", 2});
        messages.Expect("participant export", 0);
    }

    Add(lines, {QStringLiteral("peak memory of the process (VmHWM)"), 0,
                MemoryKb("VmHWM:") / 1024.0, "MB", 300});
    PrintTable(lines);
    MessageService::Install(nullptr);
    return drawSound ? 0 : 1;
}
