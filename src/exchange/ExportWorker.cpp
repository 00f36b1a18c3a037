// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExportWorker.h"

#include "data/CAdoDatabase.h"

#include <QCoreApplication>

#include <algorithm>

ExportWorker::ExportWorker(DatabaseTarget target, QString appDirectory, QString path, Table table,
                           QObject* parent)
    : QThread(parent), m_target(std::move(target)), m_appDirectory(std::move(appDirectory)),
      m_path(std::move(path)), m_table(table)
{}

ExportWorker::~ExportWorker()
{
    wait();
}

void ExportWorker::WaitServingEvents()
{
    while (!wait(10)) {
        QCoreApplication::processEvents();
    }
}

void ExportWorker::run()
{
    CAdoDatabase database;
    if (!database.ConnectDatabase(m_target)) {
        m_outcome = WorkbookExport::Outcome::QueryFailed;
        return;
    }
    int total = 0;
    int every = 1;
    WorkbookExport::Progress steps;
    steps.Begin = [this, &total, &every](int count) {
        total = count;
        every = std::max(1, count / ProgressSteps);
        emit progress(0, count);
    };
    steps.Step = [this, &total, &every](int written) {
        if (written % every == 0 || written == total) {
            emit progress(written, total);
        }
    };
    m_outcome = m_table == Table::Participants
                    ? WorkbookExport::ExportParticipants(database, m_appDirectory, m_path, steps)
                    : WorkbookExport::ExportWinners(database, m_appDirectory, m_path, steps);
}
