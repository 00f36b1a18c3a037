// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/DatabaseTarget.h"
#include "exchange/WorkbookExport.h"

#include <QThread>

// One workbook export on a thread of its own with its own connection to the database, so the
// window stays drawn and the progress bar moves while the rows are written. The export only
// reads. Its progress arrives on the user-interface thread as signals, a few hundred at most
// however many rows there are; message boxes reach that thread through the message service.
class ExportWorker : public QThread
{
    Q_OBJECT

public:
    enum class Table
    {
        Participants,
        Winners
    };

    ExportWorker(DatabaseTarget target, QString appDirectory, QString path, Table table,
                 QObject* parent = nullptr);
    // Waits for the thread.
    ~ExportWorker() override;

    // Waits for the thread while serving the user-interface thread's events (the boxes the
    // export shows), for an owner that goes away before the export has ended.
    void WaitServingEvents();
    // Valid once the thread has finished.
    WorkbookExport::Outcome Outcome() const { return m_outcome; }

    // Signals no more often than this many steps over the whole export.
    static constexpr int ProgressSteps = 200;

signals:
    // Rows written of count; written equals count while the file is saved.
    void progress(int written, int count);

protected:
    void run() override;

private:
    DatabaseTarget m_target;
    QString m_appDirectory;
    QString m_path;
    Table m_table;
    WorkbookExport::Outcome m_outcome = WorkbookExport::Outcome::QueryFailed;
};
