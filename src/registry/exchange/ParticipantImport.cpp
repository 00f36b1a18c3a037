#include "ParticipantImport.h"

#include "CAdoDatabase.h"
#include "CExcelApplication.h"
#include "CExcelDispatchException.h"
#include "ImportPerson.h"
#include "ImportSink.h"
#include "MessageService.h"
#include "StringTable.h"

#include <QElapsedTimer>
#include <QVariant>

namespace {

constexpr int WrongHeadersId = 138;
constexpr int NoSheetId = 139;

// A cell as text: an empty cell gives "", a number its plain form (1001), blanks around cut off.
QString CellText(const CExcelRange& cells, int row, int column)
{
    return cells.GetItem(QVariant(row), QVariant(column)).toString().trimmed();
}

// Commits the rows inserted so far and starts the next batch; without a transaction (one could
// not be begun) every insert was already its own.
void CommitBatch(CAdoDatabase& database, bool again)
{
    if (database.InTransaction()) {
        database.CommitTransaction();
    }
    if (again) {
        database.BeginTransaction();
    }
}

} // namespace

ParticipantImport::ParticipantImport(CAdoDatabase& database, ImportSink& sink)
    : m_database(database), m_sink(sink)
{}

ParticipantImport::Outcome ParticipantImport::Run(const QString& path)
{
    m_total = m_imported = m_rejected = 0;
    m_error.clear();

    CExcelApplication app;
    if (!app.CreateDispatch(QStringLiteral("Excel.Application"))) {
        ShowMessage(QStringLiteral("FAILED TO CONNECT Excel Server"));
        return Outcome::NoServer;
    }
    CExcelWorkbooks books;
    CExcelWorkbook book;
    CExcelWorksheets sheets;
    try {
        app.SetVisible(false);
        books = app.GetWorkbooks();
        book = books.Add(QVariant(path));
        sheets = book.GetWorksheets();
    } catch (const CExcelDispatchException& error) {
        m_error = error.Description();
        ShowMessage(m_error);
        return Outcome::Unreadable;
    }

    CExcelWorksheet sheet;
    try {
        sheet = sheets.GetItem(QVariant(QStringLiteral("sheet1")));
    } catch (const CExcelDispatchException&) {
        if (AskYesNo(StringTable::Load(NoSheetId))) {
            m_sink.OpenTemplate();
        }
        return Outcome::NoSheet;
    }

    try {
        CExcelRange cells = sheet.GetCells();
        if (CellText(cells, 1, 1).toUpper() != u"ID" ||
            CellText(cells, 1, 2).toUpper() != u"NAME" ||
            CellText(cells, 1, 3).toUpper() != u"MEMO") {
            ShowMessage(StringTable::Load(WrongHeadersId));
            return Outcome::WrongHeaders;
        }
        return ReadRows(cells);
    } catch (const CExcelDispatchException& error) {
        m_error = error.Description();
        ShowMessage(m_error);
        return Outcome::Unreadable;
    }
}

ParticipantImport::Outcome ParticipantImport::ReadRows(CExcelRange& cells)
{
    m_sink.ResetResults();
    ImportStatements statements(m_database);
    const QString separator = QStringLiteral(" - ");
    QElapsedTimer batchAge;
    batchAge.start();
    int batchRows = 0;
    CommitBatch(m_database, true);
    // Whatever ends the loop, the rows inserted so far are committed.
    struct FinalCommit
    {
        CAdoDatabase& database;
        ~FinalCommit() { CommitBatch(database, false); }
    } finalCommit{m_database};

    int row = 2;
    QString id = CellText(cells, row, 1);
    for (;;) {
        const QString name = CellText(cells, row, 2);
        const QString remark = CellText(cells, row, 3);
        const ImportResult result = ImportPerson(statements, id, name, remark);
        ++m_total;
        if (result == ImportOk) {
            ++m_imported;
        } else {
            m_sink.AddFailure(id + separator + name + separator + remark, ImportReasonText(result));
            ++m_rejected;
        }
        m_sink.SetCounts(m_total, m_imported, m_rejected);

        if (++batchRows >= BatchRows || batchAge.hasExpired(BatchMilliseconds)) {
            CommitBatch(m_database, true);
            batchRows = 0;
            batchAge.restart();
        }
        if (m_stop) {
            return Outcome::Stopped;
        }
        ++row;
        id = CellText(cells, row, 1);
        if (id.isEmpty()) {
            return Outcome::Finished;
        }
    }
}
