#pragma once

#include <QString>

#include <atomic>

class CAdoDatabase;
class ImportSink;

// Reads participants from a workbook (sheet "sheet1": "ID", "NAME", "MEMO" in row 1, one
// participant per row from row 2 until the first blank number) and stores every acceptable row.
// Runs on the thread whose connection it is given; that connection should be its own, since the
// rows are committed in batches: an import that is cut off keeps the rows committed before.
class ParticipantImport
{
public:
    enum class Outcome
    {
        Finished,     // every row was read; the counts are final
        NoServer,     // the spreadsheet engine could not start
        Unreadable,   // the file is missing or no workbook; Error() says why
        NoSheet,      // no sheet "sheet1"
        WrongHeaders, // row 1 is not ID, NAME, MEMO
        Stopped       // stopped on request; committed rows stay
    };

    ParticipantImport(CAdoDatabase& database, ImportSink& sink);

    // Imports the workbook at path. The operator sees the failures before the rows as message
    // boxes (the question whether to open the template included); the rows reach the sink.
    Outcome Run(const QString& path);
    // Asks a running import to stop after the current row (any thread).
    void Stop() { m_stop = true; }

    int Total() const { return m_total; }
    int Imported() const { return m_imported; }
    int Rejected() const { return m_rejected; }
    QString Error() const { return m_error; }

    // Rows committed at once; a batch is also committed after BatchMilliseconds.
    static constexpr int BatchRows = 2000;
    static constexpr int BatchMilliseconds = 500;

private:
    Outcome ReadRows(class CExcelRange& cells);

    CAdoDatabase& m_database;
    ImportSink& m_sink;
    std::atomic<bool> m_stop{false};
    int m_total = 0;
    int m_imported = 0;
    int m_rejected = 0;
    QString m_error;
};
