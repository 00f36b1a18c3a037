// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

class CAdoDatabase;
class ImportSink;

// Reads participants from a workbook (sheet "sheet1": "ID", "NAME", "MEMO" and, optionally,
// "GROUP" in row 1, one participant per row from row 2 until the first blank number) and stores
// every acceptable row. Runs on the thread whose connection it is given; that connection should be
// its own, since the rows are committed in batches: an import that is cut off keeps the rows
// committed before. A row counts as imported only once its batch is committed. When the database
// refuses a commit, that batch is undone, its rows are reported as failures, the import stops there
// and the operator is told how many rows were kept.
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
        Stopped,      // stopped on request; committed rows stay
        CommitFailed  // the database refused to commit a batch; the rows before it stay
    };

    ParticipantImport(CAdoDatabase& database, ImportSink& sink);

    // Imports the workbook at path. The operator sees the failures before the rows as message
    // boxes (the question whether to open the template included); the rows reach the sink.
    // After a refused commit a last box says how many rows were kept.
    Outcome Run(const QString& path);
    // Asks a running import to stop after the current row (any thread).
    void Stop() { m_stop = true; }

    int Total() const { return m_total; }
    int Imported() const { return m_imported; }
    // Rows refused by a check, an insert or a failed commit.
    int Rejected() const { return m_rejected; }
    QString Error() const { return m_error; }

    // Rows committed at once; a batch is also committed after BatchMilliseconds.
    static constexpr int BatchRows = 2000;
    static constexpr int BatchMilliseconds = 500;

    // The reason listed for a row whose batch was not committed.
    static QString UnsavedReasonText();

private:
    Outcome Import(const QString& path);
    // Appends the import's draw log entry: the file's name and SHA-256, the counts.
    void LogImport(const QString& path, Outcome outcome);
    Outcome ReadRows(class CExcelRange& cells);
    // Commits the pending rows and, when again is true, begins the next batch. When the
    // database refuses, the batch is rolled back and its rows become failures; false then.
    bool CommitRows(bool again);
    // What the operator reads after a refused commit.
    QString UnsavedText() const;

    CAdoDatabase& m_database;
    ImportSink& m_sink;
    std::atomic<bool> m_stop{false};
    int m_total = 0;
    int m_imported = 0;
    int m_rejected = 0;
    // Rows that passed every check but were undone with a batch the database did not commit.
    int m_unsaved = 0;
    bool m_readToEnd = false;
    bool m_groupColumn = false; // row 1 names a fourth column GROUP
    // "ID - name - remark" of the rows inserted since the last commit.
    QStringList m_pending;
    QString m_error;
};
