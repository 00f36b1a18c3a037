// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CAdoDatabase.h"

#include "platform/core/MessageService.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace {

// The technical cause of a statement that could not reach the server.
QString LostConnectionText(const QString& cause)
{
    return QStringLiteral("no connection to the database server, the program keeps connecting "
                          "again (%1)")
        .arg(cause);
}

QString ServerNotice()
{
    return QCoreApplication::translate(
        "CAdoDatabase",
        "数据库服务器没有响应，程序正在自动重新连接。本次操作没有完成，请稍后再试。");
}

} // namespace

CAdoDatabase::CAdoDatabase() = default;

CAdoDatabase::~CAdoDatabase()
{
    ReleaseConnection();
}

void CAdoDatabase::ReleaseConnection()
{
    CloseRecordset();
    m_monitor.Reset();
    m_reader.Detach();
    m_connection.Close();
    m_journal.Clear();
}

bool CAdoDatabase::ConnectDatabase(const QString& password, const QString& dataSource)
{
    return ConnectDatabase(DatabaseTarget::SqliteFile(dataSource, password));
}

bool CAdoDatabase::ConnectDatabase(const DatabaseTarget& target)
{
    ReleaseConnection();
    const bool opened =
        m_connection.Open(target, [this](QString* error) { return m_monitor.Subscribe(error); });
    if (!opened) {
        m_lastError = m_connection.LastError();
        return false;
    }
    if (m_connection.IsSqlite()) {
        sqlite3* handle = m_connection.SqliteHandle();
        m_reader.Attach(m_connection.Database(), handle);
        // The guard reads through the handle too: it gets it only where the reader may use it.
        // Taken once the log and index exist, so files swapped in later are told apart.
        m_connection.FileGuard().Opened(target.path, m_reader.Handle());
    }
    return true;
}

void CAdoDatabase::SetServerLimits(const ServerLink::Limits& limits)
{
    m_connection.SetServerLimits(limits);
}

void CAdoDatabase::SetDurability(Durability durability)
{
    m_connection.SetDurable(durability == Durability::Durable);
}

bool CAdoDatabase::RecoverConnection(bool mayWait)
{
    switch (m_connection.Recover(mayWait)) {
    case ServerLink::State::Down:
        return false;
    case ServerLink::State::Reconnected:
        m_monitor.Reconnected();
        break;
    case ServerLink::State::Up:
        break;
    }
    return m_monitor.Resubscribe();
}

bool CAdoDatabase::CheckFileInPlace()
{
    if (!m_connection.IsConnected() || !m_connection.IsSqlite()) {
        return true;
    }
    if (m_connection.FileGuard().CheckInPlace(!m_quiet)) {
        return true;
    }
    m_lastError = m_connection.FileGuard().LastError();
    return false;
}

void CAdoDatabase::CloseRecordset()
{
    m_fields.clear();
    m_values.clear();
    m_rowCount = 0;
    m_row = 0;
}

bool CAdoDatabase::StatementFailed(const QSqlError& error)
{
    m_connection.EndSavepoint(false);
    // Before any box: a box waits for the operator, the watch only for the server.
    const bool cut = EndWatch();
    CloseRecordset();
    m_lastNotice.clear();
    if (!m_connection.IsConnected()) {
        m_lastError = QStringLiteral("not connected to a database");
    } else if (m_connection.ServerUnreachable(cut)) {
        // The server did not answer, or the connection is lost and not back yet.
        m_lastError =
            LostConnectionText(cut || !error.isValid() ? m_connection.DownReason()
                                                       : DatabaseConnection::ErrorText(error));
        m_lastNotice = ServerNotice();
    } else {
        m_lastError = DatabaseConnection::ErrorText(error);
    }
    const QString detail = QStringLiteral("Error: %1").arg(m_lastError);
    if (!m_quiet) {
        if (m_lastNotice.isEmpty()) {
            ShowMessage(detail);
        } else {
            ShowMessage(m_lastNotice, detail);
        }
    }
    return false;
}

bool CAdoDatabase::Misuse(const QString& description)
{
    m_lastError = description;
    ShowMessage(QStringLiteral("Error: %1").arg(m_lastError));
    return false;
}

bool CAdoDatabase::ReadyForStatement()
{
    CloseRecordset();
    if (!m_connection.IsConnected() ||
        (!m_connection.InTransaction() && !RecoverConnection(true))) {
        return StatementFailed(QSqlError());
    }
    return true;
}

bool CAdoDatabase::OpenQuery(const QString& sql, const QVariantList& values)
{
    if (!ReadyForStatement()) {
        return false;
    }
    QSqlQuery query = NewQuery();
    BeginWatch();
    BeginSavepoint();
    if (values.isEmpty()) {
        if (!query.exec(sql)) {
            return StatementFailed(query.lastError());
        }
    } else {
        if (!query.prepare(sql)) {
            return StatementFailed(query.lastError());
        }
        for (const QVariant& value : values) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            return StatementFailed(query.lastError());
        }
    }
    return TakeResult(query);
}

bool CAdoDatabase::ReadRows(const QString& sql, int columns,
                            const std::function<void(const QString* values)>& row)
{
    if (!ReadyForStatement()) {
        return false;
    }
    BeginWatch();
    if (ReadsDirectly()) {
        QSqlError error;
        return m_reader.Read(sql, columns, row, &error) || StatementFailed(error);
    }
    QSqlQuery query = NewQuery();
    BeginSavepoint();
    if (!query.exec(sql)) {
        return StatementFailed(query.lastError());
    }
    if (query.record().count() < columns) {
        query.finish();
        m_connection.EndSavepoint(false);
        return StatementFailed(QSqlError(QStringLiteral("the query has fewer columns than read")));
    }
    std::vector<QString> values(static_cast<size_t>(columns));
    while (query.next()) {
        for (int c = 0; c < columns; ++c) {
            values[static_cast<size_t>(c)] = ValueText(query.value(c));
        }
        row(values.data());
    }
    const QSqlError error = query.lastError();
    query.finish();
    m_connection.EndSavepoint(!error.isValid());
    if (error.isValid()) {
        return StatementFailed(error);
    }
    // Every row arrived: the statement is done, even if the watch cut the connection just now.
    EndWatch();
    return true;
}

bool CAdoDatabase::TakeResult(QSqlQuery& query)
{
    if (!query.isSelect()) {
        m_monitor.CountOwnChange();
        query.finish();
        m_connection.EndSavepoint(true);
        EndWatch();
        return true;
    }
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int c = 0; c < columns; ++c) {
        m_fields << record.fieldName(c);
    }
    while (query.next()) {
        for (int c = 0; c < columns; ++c) {
            m_values.push_back(query.value(c));
        }
        ++m_rowCount;
    }
    const QSqlError error = query.lastError();
    // Reset the statement so it holds no read snapshot until it runs again; the rows are read
    // before the savepoint ends (the connection carries one statement at a time).
    query.finish();
    m_connection.EndSavepoint(!error.isValid());
    if (error.isValid()) {
        return StatementFailed(error);
    }
    // Every row arrived: the statement is done, even if the watch cut the connection just now.
    EndWatch();
    return true;
}

bool CAdoDatabase::BeginTransaction()
{
    return Begin(false);
}

bool CAdoDatabase::BeginReadSnapshot()
{
    return Begin(true);
}

bool CAdoDatabase::Begin(bool snapshot)
{
    if (!m_connection.IsConnected()) {
        return StatementFailed(QSqlError());
    }
    if (m_connection.InTransaction()) {
        return Misuse(QStringLiteral("a transaction is already open on this connection"));
    }
    if (!RecoverConnection(true)) {
        return StatementFailed(QSqlError());
    }
    QSqlError error;
    return m_connection.BeginTransaction(&error, snapshot) || StatementFailed(error);
}

bool CAdoDatabase::CommitTransaction()
{
    if (!m_connection.InTransaction()) {
        return Misuse(QStringLiteral("no transaction is open on this connection"));
    }
    QSqlError error;
    if (!m_connection.CommitTransaction(&error)) {
        return StatementFailed(error);
    }
    m_monitor.CountOwnChange();
    return true;
}

void CAdoDatabase::RollbackTransaction()
{
    if (!m_connection.InTransaction()) {
        return;
    }
    m_monitor.CountOwnChange();
    m_connection.RollbackTransaction();
}

ChangeStamp CAdoDatabase::ChangeToken()
{
    // A lost connection is made again here too (the idle window asks for tokens), taking only
    // what the server has answered so far.
    const bool reachable =
        m_connection.IsConnected() && (m_connection.InTransaction() || RecoverConnection(false));
    return m_monitor.Token(reachable, !m_quiet);
}

bool CAdoDatabase::IsEOF() const
{
    return m_row >= m_rowCount;
}

void CAdoDatabase::MoveNext()
{
    if (m_row < m_rowCount) {
        ++m_row;
    }
}

QString CAdoDatabase::GetFieldText(const QString& field) const
{
    if (IsEOF()) {
        return QString();
    }
    // A linear scan beats hashing here: results have a handful of columns, and the draw reads
    // two fields of every one of up to 100,000 rows before each pick.
    const qsizetype columns = m_fields.size();
    for (qsizetype c = 0; c < columns; ++c) {
        if (m_fields[c].compare(field, Qt::CaseInsensitive) == 0) {
            return ValueText(m_values[static_cast<size_t>(m_row * columns + c)]);
        }
    }
    return QString();
}

int CAdoDatabase::GetRecordCount() const
{
    return m_rowCount;
}

QString CAdoDatabase::ValueText(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        return QString();
    }
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (std::isfinite(number) && std::trunc(number) == number && std::fabs(number) < 1e15) {
            return QString::number(static_cast<long long>(number));
        }
        return QString::number(number, 'g', 15);
    }
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

QVariant CAdoDatabase::TextValue(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}
