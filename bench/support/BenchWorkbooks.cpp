// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/BenchWorkbooks.h"

#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/Worksheet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace BenchWorkbooks {

QString ParticipantCsv(const QString& root, int rows)
{
    const QString folder = root + QStringLiteral("/%1").arg(rows);
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/sheet1.csv");
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

namespace {

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

} // namespace

Measure Median(int runs, const std::function<int()>& job)
{
    std::vector<Measure> measures;
    for (int i = 0; i < runs; ++i) {
        measures.push_back(RunOnce(job));
    }
    std::sort(measures.begin(), measures.end(),
              [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
    return measures[runs / 2];
}

void PrintTableHead()
{
    std::printf("| %-27s | %-5s | %8s | %9s | %8s |\n", "operation", "file", "rows", "seconds",
                "peak MB");
    std::printf("|%s|%s|%s|%s|%s|\n", "-----------------------------", "-------", "----------",
                "-----------", "----------");
}

void Report(const char* what, const char* format, int runs, const std::function<int()>& job)
{
    const Measure median = Median(runs, job);
    std::printf("| %-27s | %-5s | %8d | %9.3f | %8.1f |\n", what, format, median.rows,
                median.seconds, median.peakKb / 1024.0);
    std::fflush(stdout);
}

int WriteParticipantWorkbook(const QString& path, int rows)
{
    static const char* const family[] = {"张", "王", "李", "赵", "陈", "刘", "杨", "黄"};
    try {
        const std::unique_ptr<Workbook> book = Workbook::CreateEmpty();
        Worksheet& sheet = book->Sheet(0);
        sheet.SetCell(1, 1, CellKind::Text, QStringLiteral("ID"));
        sheet.SetCell(1, 2, CellKind::Text, QStringLiteral("NAME"));
        sheet.SetCell(1, 3, CellKind::Text, QStringLiteral("MEMO"));
        for (int i = 1; i <= rows; ++i) {
            sheet.SetCell(i + 1, 1, CellKind::Text,
                          QStringLiteral("P%1").arg(i, 6, 10, QLatin1Char('0')));
            sheet.SetCell(i + 1, 2, CellKind::Text,
                          QString::fromUtf8(family[i % 8]) + QStringLiteral("伟Wei%1").arg(i));
            sheet.SetCell(i + 1, 3, CellKind::Text, QStringLiteral("Sales部%1").arg(i % 13));
        }
        book->SaveAs(path);
    } catch (const WorkbookError& error) {
        std::fprintf(stderr, "cannot write the workbook: %s\n", qPrintable(error.Message()));
        return 0;
    }
    return rows;
}

} // namespace BenchWorkbooks
