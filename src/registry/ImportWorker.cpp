// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/ImportWorker.h"

#include "data/CAdoDatabase.h"
#include "platform/core/MessageService.h"
#include "platform/core/StringTable.h"
#include "registry/CImportResultDlg.h"

#include <QMutexLocker>

#ifdef __GLIBC__
#include <malloc.h>
#endif

ImportWorker::ImportWorker(DatabaseTarget target, QString path, CImportResultDlg& results,
                           QObject* parent)
    : QThread(parent), m_target(std::move(target)), m_path(std::move(path)), m_results(results)
{
    m_flushTimer.setInterval(FlushMilliseconds);
    connect(&m_flushTimer, &QTimer::timeout, this, &ImportWorker::Flush);
    connect(this, &QThread::started, &m_flushTimer, qOverload<>(&QTimer::start));
    connect(this, &QThread::finished, &m_flushTimer, &QTimer::stop);
}

ImportWorker::~ImportWorker()
{
    // The owner waits for the thread (serving its boxes) before it lets go of it.
    wait();
}

void ImportWorker::run()
{
    {
        CAdoDatabase database;
        if (!database.ConnectDatabase(m_target)) {
            m_outcome = ParticipantImport::Outcome::Unreadable;
            return;
        }
        database.SetDurability(CAdoDatabase::Durability::Bulk);
        ParticipantImport import(database, *this);
        {
            const QMutexLocker lock(&m_mutex);
            m_import = &import;
        }
        m_outcome = import.Run(m_path);
        m_total = import.Total();
        const QMutexLocker lock(&m_mutex);
        m_import = nullptr;
    }
#ifdef __GLIBC__
    // The workbook read is freed now, but the allocator keeps its pages, most of them in this
    // thread's arena, where the user-interface thread's later work (an export, say) does not
    // reuse them: a large import would stay resident for the rest of the event, beneath
    // everything that comes after it. Hand them back to the system.
    malloc_trim(0);
#endif
}

void ImportWorker::Stop()
{
    const QMutexLocker lock(&m_mutex);
    if (m_import) {
        m_import->Stop();
    }
}

void ImportWorker::Flush()
{
    bool reset = false;
    bool countsChanged = false;
    int counts[3];
    QList<QPair<QString, QString>> failures;
    {
        const QMutexLocker lock(&m_mutex);
        reset = std::exchange(m_reset, false);
        countsChanged = std::exchange(m_countsChanged, false);
        std::copy(std::begin(m_counts), std::end(m_counts), counts);
        failures.swap(m_failures);
    }
    if (reset) {
        m_results.ResetResults();
        m_results.show();
    }
    m_results.AddFailures(failures);
    if (countsChanged) {
        m_results.SetCounts(counts[0], counts[1], counts[2]);
    }
}

void ImportWorker::ResetResults()
{
    const QMutexLocker lock(&m_mutex);
    m_reset = true;
}

void ImportWorker::SetCounts(int total, int imported, int rejected)
{
    const QMutexLocker lock(&m_mutex);
    m_counts[0] = total;
    m_counts[1] = imported;
    m_counts[2] = rejected;
    m_countsChanged = true;
}

void ImportWorker::AddFailure(const QString& rowText, const QString& reason)
{
    const QMutexLocker lock(&m_mutex);
    m_failures.append({rowText, reason});
}

void ImportWorker::SheetMissing()
{
    constexpr int NoSheetId = 139;
    if (AskYesNo(StringTable::Load(NoSheetId))) {
        emit templateRequested();
    }
}
