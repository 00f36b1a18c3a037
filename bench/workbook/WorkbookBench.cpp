// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what reading and writing workbooks costs, with the peak memory of each run. Reading goes
// through the spreadsheet wrappers one cell at a time, as the participant import does; the
// .xlsx and .xls files are made by LibreOffice (converted once from the .csv and kept in the
// build folder; without soffice those rows are left out). Writing fills the templates as the
// two exports do, one SetItem per cell.
#include "support/BenchWorkbooks.h"
#include "exchange/excel/CExcelApplication.h"
#include "exchange/excel/MissingArgument.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Runs = 3;

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
    BenchWorkbooks::PrintTableHead();
    for (const int rows : {1000, 10000, 100000}) {
        const QString csv =
            BenchWorkbooks::ParticipantCsv(QStringLiteral(SORTILO_BENCH_DATA), rows);
        const QString xlsx = BenchWorkbooks::Convert(csv, QStringLiteral("xlsx"));
        // LibreOffice writes at most 65,536 rows to .xls, the format's bound.
        const QString xls = BenchWorkbooks::Convert(csv, QStringLiteral("xls"));
        const QByteArray what = "read " + QByteArray::number(rows) + " participants";
        if (!xlsx.isEmpty()) {
            BenchWorkbooks::Report(what.constData(), "xlsx", Runs,
                                   [&] { return ReadParticipants(xlsx); });
        }
        if (!xls.isEmpty()) {
            BenchWorkbooks::Report(what.constData(), "xls", Runs,
                                   [&] { return ReadParticipants(xls); });
        }
        BenchWorkbooks::Report(what.constData(), "csv", Runs,
                               [&] { return ReadParticipants(csv); });
    }
    BenchWorkbooks::Report("write participants", "xlsx", Runs,
                           [] { return Write(QStringLiteral("template2"), QString(), 100000, 3); });
    BenchWorkbooks::Report("write winners", "xlsx", Runs, [] {
        return Write(QStringLiteral("template1"), QStringLiteral("Prize"), 10000, 7);
    });
    BenchWorkbooks::Report("write winners", "xlsx", Runs, [] {
        return Write(QStringLiteral("template1"), QStringLiteral("Prize"), 100000, 7);
    });
    return 0;
}
