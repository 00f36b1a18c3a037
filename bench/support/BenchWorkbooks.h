// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Workbooks and measurements shared by the workbook benchmarks.
namespace BenchWorkbooks {

// Participants with distinct mixed Chinese and Latin names and remarks (LibreOffice stores those
// as rich text in .xlsx, the slow case), as root/<rows>/sheet1.csv: one folder per size, since
// LibreOffice names the sheet after the file and the import wants "sheet1". Made once.
QString ParticipantCsv(const QString& root, int rows);
// rows participants (P000001..., mixed Chinese and Latin names, a dozen remarks) written by the
// program's own workbook engine to path as an .xlsx with the headings ID, NAME, MEMO; the number of
// rows written, 0 (with a line on stderr) when it cannot be written.
int WriteParticipantWorkbook(const QString& path, int rows);
// The csv converted by LibreOffice beside it (made once); empty when soffice is not installed.
QString Convert(const QString& csv, const QString& format);

struct Measure
{
    double seconds = 0;
    long peakKb = 0;
    int rows = 0;
};

// The median of runs runs of job, each in a child process of its own so that each has its own
// peak memory (getrusage's maxrss); the job returns the number of rows it handled.
Measure Median(int runs, const std::function<int()>& job);

// The table: its heading lines, then one line per operation with the median of runs runs.
void PrintTableHead();
void Report(const char* what, const char* format, int runs, const std::function<int()>& job);

} // namespace BenchWorkbooks
