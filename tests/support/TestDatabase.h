#pragma once

#include "CAdoDatabase.h"

#include <QString>
#include <QTemporaryDir>

// A fresh database made from the shipped schema in a temporary folder, connected through the
// layer. Each test fixture gets its own.
class TestDatabase
{
public:
    // withDemo: also load the demo participants.
    explicit TestDatabase(bool withDemo = false);

    CAdoDatabase& db() { return m_db; }
    QString path() const { return m_dir.path() + QStringLiteral("/Data.db"); }
    QString folder() const { return m_dir.path() + QStringLiteral("/"); }
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }

    // Runs a statement that must succeed (test set-up).
    void Exec(const QString& sql, const QVariantList& values = {});
    // Number of rows of a query.
    int Count(const QString& sql, const QVariantList& values = {});

    static QString SchemaFile();
    static QString DemoFile();

private:
    QTemporaryDir m_dir;
    CAdoDatabase m_db;
    bool m_ok = false;
    QString m_error;
};
