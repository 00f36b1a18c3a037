// Prints what reading and writing workbooks costs, with the peak memory of each run. Reading goes
// through the spreadsheet wrappers one cell at a time, as the participant import does; the
// .xlsx and .xls files are made by LibreOffice (converted once from the .csv and kept in the
// build folder; without soffice those rows are left out). Writing fills the templates as the
// two exports do, one SetItem per cell.
#include "CExcelApplication.h"
#include "MissingArgument.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Runs = 3;

// One folder per size: LibreOffice names the sheet after the file, and the import wants "sheet1".
QString DataFolder(int rows)
{
    const QString folder = QStringLiteral(SORTILO_BENCH_DATA "/%1").arg(rows);
    QDir().mkpath(folder);
    return folder;
}

// Participants with distinct mixed Chinese and Latin names and remarks (LibreOffice stores those
// as rich text in .xlsx, the slow case).
QString MakeCsv(int rows)
{
    const QString path = DataFolder(rows) + QStringLiteral("/sheet1.csv");
    if (QFileInfo::exists(path)) {
        return path;
    }
    static const char* const family[] = {"张", "王", "李", "赵", "陈", "刘", "杨", "黄"};
    QByteArray text = "ID,NAME,MEMO\n";
    for (int i = 1; i <= rows; ++i) {
        text += "P" + QByteArray::number(i).rightJustified(6, '0') + ',' + family[i % 8] + "伟Wei" +
                QByteArray::number(i) + ",Sales部" + QByteArray::number(i % 13) + '\n';
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

// The csv converted by LibreOffice; empty when soffice is not installed.
QString Convert(const QString& csv, const QString& format)
{
    const QString target =
        QFileInfo(csv).path() + u'/' + QFileInfo(csv).completeBaseName() + u'.' + format;
    if (QFileInfo::exists(target)) {
        return target;
    }
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        return QString();
    }
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    process.setProcessEnvironment(environment);
    process.start(soffice,
                  {QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:44,34,76,1"),
                   QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"),
                   QFileInfo(csv).path(), csv});
    process.waitForFinished(300000);
    return QFileInfo::exists(target) ? target : QString();
}

struct Measure
{
    double seconds = 0;
    long peakKb = 0;
    int rows = 0;
};

// Runs job in a child process (so that each run has its own peak memory); the job returns the
// number of rows it handled.
Measure RunOnce(const std::function<int()>& job)
{
    int channel[2];
    if (pipe(channel) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        QElapsedTimer timer;
        timer.start();
        Measure result;
        result.rows = job();
        result.seconds = timer.nsecsElapsed() / 1e9;
        if (write(channel[1], &result, sizeof result) != sizeof result) {
            _exit(1);
        }
        _exit(0);
    }
    close(channel[1]);
    Measure result;
    const bool ok = read(channel[0], &result, sizeof result) == sizeof result;
    close(channel[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!ok) {
        return {};
    }
    result.peakKb = usage.ru_maxrss;
    return result;
}

void Report(const char* what, const char* format, const std::function<int()>& job)
{
    std::vector<Measure> runs;
    for (int i = 0; i < Runs; ++i) {
        runs.push_back(RunOnce(job));
    }
    std::sort(runs.begin(), runs.end(),
              [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
    const Measure& median = runs[Runs / 2];
    std::printf("| %-25s | %-5s | %8d | %9.3f | %8.1f |\n", what, format, median.rows,
                median.seconds, median.peakKb / 1024.0);
    std::fflush(stdout);
}

// Reads a participant sheet as the import does: three cells a row until the first empty ID.
int ReadParticipants(const QString& path)
{
    CExcelApplication app;
    app.CreateDispatch(QStringLiteral("Excel.Application"));
    CExcelRange cells = app.GetWorkbooks()
                            .Add(QVariant(path))
                            .GetWorksheets()
                            .GetItem(QVariant(QStringLiteral("sheet1")))
                            .GetCells();
    int row = 2;
    qint64 characters = 0;
    while (true) {
        const QString id = cells.GetItem(QVariant(row), QVariant(1)).toString().trimmed();
        if (id.isEmpty()) {
            break;
        }
        characters += id.size() + cells.GetItem(QVariant(row), QVariant(2)).toString().size() +
                      cells.GetItem(QVariant(row), QVariant(3)).toString().size();
        ++row;
    }
    return characters > 0 ? row - 2 : 0;
}

int Write(const QString& templateName, const QString& sheetName, int rows, int columns)
{
    QTemporaryDir dir;
    CExcelApplication app;
    app.CreateDispatch(QStringLiteral("Excel.Application"));
    CExcelWorksheets sheets =
        app.GetWorkbooks()
            .Add(QVariant(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/") + templateName))
            .GetWorksheets();
    CExcelWorksheet sheet = sheets.GetItem(QVariant(QStringLiteral("sheet1")));
    if (!sheetName.isEmpty()) {
        sheet.SetName(sheetName);
    }
    CExcelRange cells = sheet.GetCells();
    const int firstRow = columns == 3 ? 2 : 4;
    for (int i = 0; i < rows; ++i) {
        for (int c = 1; c <= columns; ++c) {
            cells.SetItem(QVariant(firstRow + i), QVariant(c),
                          QVariant(QStringLiteral("  张伟Wei%1-%2").arg(i).arg(c)));
        }
    }
    sheet.SaveAs(dir.filePath(QStringLiteral("out.xlsx")), MissingArgument, MissingArgument,
                 MissingArgument, MissingArgument, MissingArgument, MissingArgument,
                 MissingArgument, MissingArgument);
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("Workbook engine: median of %d runs, peak memory of the run's process\n\n", Runs);
    std::printf("| %-25s | %-5s | %8s | %9s | %8s |\n", "operation", "file", "rows", "seconds",
                "peak MB");
    std::printf("|%s|%s|%s|%s|%s|\n", "---------------------------", "-------", "----------",
                "-----------", "----------");
    for (const int rows : {1000, 10000, 100000}) {
        const QString csv = MakeCsv(rows);
        const QString xlsx = Convert(csv, QStringLiteral("xlsx"));
        // LibreOffice writes at most 65,536 rows to .xls, the format's bound.
        const QString xls = Convert(csv, QStringLiteral("xls"));
        const QByteArray what = "read " + QByteArray::number(rows) + " participants";
        if (!xlsx.isEmpty()) {
            Report(what.constData(), "xlsx", [&] { return ReadParticipants(xlsx); });
        }
        if (!xls.isEmpty()) {
            Report(what.constData(), "xls", [&] { return ReadParticipants(xls); });
        }
        Report(what.constData(), "csv", [&] { return ReadParticipants(csv); });
    }
    Report("write participants", "xlsx",
           [] { return Write(QStringLiteral("template2"), QString(), 100000, 3); });
    Report("write winners", "xlsx",
           [] { return Write(QStringLiteral("template1"), QStringLiteral("Prize"), 10000, 7); });
    Report("write winners", "xlsx",
           [] { return Write(QStringLiteral("template1"), QStringLiteral("Prize"), 100000, 7); });
    return 0;
}
