// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/DatabaseTarget.h"
#include "exchange/ImportSink.h"
#include "exchange/ParticipantImport.h"

#include <QList>
#include <QMutex>
#include <QPair>
#include <QThread>
#include <QTimer>

class CImportResultDlg;

// One participant import on a thread of its own with its own connection to the database (bulk
// durability, rows committed in batches). What it reports is gathered under a lock and applied
// to the result window on the user-interface thread a few times a second and at the end, in the
// order the rows were read, so a large import never floods the event loop. Message boxes reach
// the user-interface thread through the message service.
class ImportWorker : public QThread, private ImportSink
{
    Q_OBJECT

public:
    ImportWorker(DatabaseTarget target, QString path, CImportResultDlg& results,
                 QObject* parent = nullptr);
    ~ImportWorker() override;

    // Asks the import to stop after its current row (user-interface thread).
    void Stop();
    // Applies what the import reported and the window does not show yet (user-interface thread).
    void Flush();
    // Valid once the thread has finished.
    ParticipantImport::Outcome Outcome() const { return m_outcome; }
    int Total() const { return m_total; }

    // How often the result window catches up while the import runs.
    static constexpr int FlushMilliseconds = 100;

signals:
    // The operator asked to see the template workbook.
    void templateRequested();

protected:
    void run() override;

private:
    void ResetResults() override;
    void SetCounts(int total, int imported, int rejected) override;
    void AddFailure(const QString& rowText, const QString& reason) override;
    // Offers the template workbook; Yes asks for it with templateRequested.
    void SheetMissing() override;

    DatabaseTarget m_target;
    QString m_path;
    CImportResultDlg& m_results;
    QTimer m_flushTimer;

    // Reported by the import, not yet shown; guarded by m_mutex.
    QMutex m_mutex;
    bool m_reset = false;
    bool m_countsChanged = false;
    int m_counts[3] = {0, 0, 0};
    QList<QPair<QString, QString>> m_failures;
    ParticipantImport* m_import = nullptr;

    ParticipantImport::Outcome m_outcome = ParticipantImport::Outcome::Stopped;
    int m_total = 0;
};
