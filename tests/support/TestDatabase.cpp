#include "TestDatabase.h"

#include "DatabaseCreator.h"

#include <stdexcept>

TestDatabase::TestDatabase(bool withDemo)
{
    QStringList scripts{SchemaFile()};
    if (withDemo) {
        scripts << DemoFile();
    }
    m_ok = m_dir.isValid() && DatabaseCreator::CreateSqlite(path(), scripts, &m_error) &&
           m_db.ConnectDatabase(QString(), path());
    if (m_ok) {
        // Tests create and drop thousands of rows: they need no sync to disk.
        m_db.SetDurability(CAdoDatabase::Durability::Bulk);
    }
}

void TestDatabase::Exec(const QString& sql, const QVariantList& values)
{
    if (!m_db.OpenQuery(sql, values)) {
        throw std::runtime_error(("set-up statement failed: " + sql + ": " + m_db.LastError())
                                     .toStdString());
    }
}

int TestDatabase::Count(const QString& sql, const QVariantList& values)
{
    Exec(sql, values);
    return m_db.GetRecordCount();
}

QString TestDatabase::SchemaFile()
{
    return QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql");
}

QString TestDatabase::DemoFile()
{
    return QStringLiteral(SORTILO_SOURCE_DIR "/res/demo-participants.sql");
}
