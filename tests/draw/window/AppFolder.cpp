// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/AppFolder.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "data/SqlStatements.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>

namespace {

bool CopyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to)) {
        return false;
    }
    const auto entries = QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return !entries.isEmpty();
}

} // namespace

AppFolder::AppFolder(int participants)
{
    const QString folder = m_dir.path() + QLatin1Char('/');
    if (!CopyFolder(QStringLiteral(SORTILO_SOURCE_DIR "/res/skin"),
                    folder + QStringLiteral("skin"))) {
        m_error = QStringLiteral("cannot copy the skin");
        return;
    }
    if (!DatabaseCreator::CreateSqlite(folder + QStringLiteral("Data.db"),
                                       {TestDatabase::SchemaFile()}, &m_error)) {
        return;
    }
    CAdoDatabase db;
    if (!db.ConnectDatabase(QString(), folder + QStringLiteral("Data.db"))) {
        m_error = db.LastError();
        return;
    }
    db.SetDurability(CAdoDatabase::Durability::Bulk);
    for (int i = 1; i <= participants; ++i) {
        if (!db.OpenQuery(QLatin1String(SqlStatements::InsertPerson),
                          {QStringLiteral("E%1").arg(i, 3, 10, QLatin1Char('0')),
                           QStringLiteral("员工%1").arg(i), QString()})) {
            m_error = db.LastError();
            return;
        }
    }
    m_ok = true;
}
