// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SqliteFileGuard.h"

#include "platform/core/MessageService.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

QString Stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

quint32 BigEndian32(const unsigned char* bytes)
{
    return (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8) |
           quint32(bytes[3]);
}

const char* const Companions[] = {"", "-wal", "-shm", "-journal"};

void Tell(bool tell, const QString& text)
{
    if (tell) {
        ShowMessage(text);
    }
}

} // namespace

SqliteFileGuard::Identity SqliteFileGuard::IdentityOf(const QString& path)
{
    struct stat status
    {
    };
    Identity identity;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        identity = {static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino), true};
    }
    return identity;
}

QString SqliteFileGuard::NotePath(const QString& path)
{
    return path + QStringLiteral(".recovery");
}

void SqliteFileGuard::Opened(const QString& path, sqlite3* handle)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_handle = handle;
    m_database = IdentityOf(m_path);
    m_log = IdentityOf(m_path + QStringLiteral("-wal"));
    m_index = IdentityOf(m_path + QStringLiteral("-shm"));
    m_headerKnown = ReadHeader(&m_changeCounter, &m_pageCount);
    m_recoveryPath.clear();
    m_lastError.clear();
}

void SqliteFileGuard::Closed()
{
    *this = SqliteFileGuard();
}

bool SqliteFileGuard::ReadHeader(quint32* changeCounter, quint32* pageCount) const
{
    sqlite3_file* file = nullptr;
    if (!m_handle ||
        sqlite3_file_control(m_handle, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        !file || !file->pMethods) {
        return false;
    }
    unsigned char header[100] = {};
    if (file->pMethods->xRead(file, header, sizeof header, 0) != SQLITE_OK ||
        std::memcmp(header, "SQLite format 3", 16) != 0) {
        return false;
    }
    *changeCounter = BigEndian32(header + 24);
    *pageCount = BigEndian32(header + 28);
    return true;
}

QString SqliteFileGuard::WhatChanged()
{
    const Identity database = IdentityOf(m_path);
    if (!database.known) {
        return QCoreApplication::translate("SqliteFileGuard", "已被删除");
    }
    if (database.device != m_database.device || database.inode != m_database.inode) {
        return QCoreApplication::translate("SqliteFileGuard", "已被另一个文件替换");
    }
    const std::pair<const Identity*, QString> companions[] = {
        {&m_log, m_path + QStringLiteral("-wal")}, {&m_index, m_path + QStringLiteral("-shm")}};
    for (const auto& [kept, name] : companions) {
        const Identity now = IdentityOf(name);
        if (kept->known && (!now.known || now.device != kept->device || now.inode != kept->inode)) {
            return QCoreApplication::translate("SqliteFileGuard", "的日志文件 %1 已被删除或替换")
                .arg(QFileInfo(name).fileName());
        }
    }
    // Written over in place: the file keeps its inode, but a database only grows and its change
    // counter only rises; another file (or an older copy) shows in its header.
    if (m_headerKnown) {
        quint32 counter = 0;
        quint32 pages = 0;
        if (!ReadHeader(&counter, &pages) || counter < m_changeCounter || pages < m_pageCount) {
            return QCoreApplication::translate("SqliteFileGuard", "已被另一个文件覆盖");
        }
        m_changeCounter = counter;
        m_pageCount = pages;
    }
    return QString();
}

bool SqliteFileGuard::WriteRecoveryCopy(QString* error)
{
    const QFileInfo info(m_path);
    const QString candidate = info.absolutePath() + QLatin1Char('/') + info.fileName() +
                              QStringLiteral(".recovered-") + Stamp();
    if (QFileInfo::exists(candidate)) {
        *error =
            QCoreApplication::translate("SqliteFileGuard", "文件名 %1 已被占用").arg(candidate);
        return false;
    }
    // VACUUM INTO writes a complete, consistent database from what this connection sees, also
    // when its file has been unlinked (its log may still hold the latest commits).
    const QByteArray statement = "VACUUM INTO '" + candidate.toUtf8().replace('\'', "''") + "'";
    char* message = nullptr;
    if (sqlite3_exec(m_handle, statement.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        *error = QString::fromUtf8(message ? message : "VACUUM INTO failed");
        sqlite3_free(message);
        QFile::remove(candidate); // a partial copy (a full disk) would only mislead
        return false;
    }
    m_recoveryPath = candidate;
    QSaveFile note(NotePath(m_path));
    if (note.open(QIODevice::WriteOnly)) {
        note.write(QFileInfo(candidate).fileName().toUtf8() + '\n');
        note.commit();
    }
    return true;
}

bool SqliteFileGuard::CheckInPlace(bool tell)
{
    if (!m_handle) {
        return true;
    }
    const QString change = WhatChanged();
    if (change.isEmpty()) {
        return true;
    }
    const QString name = QDir::toNativeSeparators(m_path);
    m_lastError = QCoreApplication::translate("SqliteFileGuard", "数据库文件 %1 在程序运行时%2")
                      .arg(name, change);
    if (!m_recoveryPath.isEmpty()) {
        // Told once with the copy; every further refusal repeats the short reason.
        Tell(tell,
             QCoreApplication::translate(
                 "SqliteFileGuard",
                 "%1。此后的中奖者不再保存；此前保存的全部中奖者在 %2 中。请关闭程序后重新启动。")
                 .arg(m_lastError, m_recoveryPath));
        return false;
    }
    QString error;
    if (WriteRecoveryCopy(&error)) {
        const bool noted = QFileInfo::exists(NotePath(m_path));
        Tell(tell, QCoreApplication::translate("SqliteFileGuard",
                                               "%1。此后的中奖者不再保存。\n\n到目前为止保存的全部"
                                               "中奖者已安全写入恢复副本：\n%2\n\n%3")
                       .arg(m_lastError, QDir::toNativeSeparators(m_recoveryPath),
                            noted ? QCoreApplication::translate(
                                        "SqliteFileGuard", "请关闭程序后重新启动：程序会自动用这份"
                                                           "副本替换 %1，原来的文件改名保留。")
                                        .arg(QFileInfo(m_path).fileName())
                                  : QCoreApplication::translate(
                                        "SqliteFileGuard",
                                        "请关闭程序，删除 %1-wal 和 "
                                        "%1-shm（如果存在），把副本改名为 %1 后重新启动。")
                                        .arg(QFileInfo(m_path).fileName())));
    } else {
        Tell(tell, QCoreApplication::translate(
                       "SqliteFileGuard", "%1。此后的中奖者不再保存，恢复副本也无法写入（%"
                                          "2）。请不要关闭程序，先把活动文件夹中的文件复制到别处。")
                       .arg(m_lastError, error));
    }
    return false;
}

bool SqliteFileGuard::AdoptRecoveryCopy(const QString& path, QString* notice)
{
    notice->clear();
    QFile note(NotePath(path));
    if (!note.exists()) {
        return true;
    }
    const QFileInfo info(path);
    QString copyName;
    if (note.size() < 4096 && note.open(QIODevice::ReadOnly)) {
        copyName = QString::fromUtf8(note.readAll()).trimmed();
        note.close();
    }
    const QString copy = info.absolutePath() + QLatin1Char('/') + copyName;
    if (!copyName.startsWith(info.fileName() + QStringLiteral(".recovered-")) ||
        copyName.contains(QLatin1Char('/')) || !QFileInfo(copy).isFile()) {
        *notice =
            QCoreApplication::translate("SqliteFileGuard",
                                        "恢复说明 %1 所指的副本不存在，已忽略；继续使用 %2。")
                .arg(QDir::toNativeSeparators(note.fileName()), QDir::toNativeSeparators(path));
        QFile::remove(note.fileName());
        return true;
    }
    // The database left behind and any log and index of it are moved aside together: a log
    // applied to the copy would corrupt it.
    const QString stamp = Stamp();
    QStringList kept;
    for (const char* suffix : Companions) {
        const QString file = path + QLatin1String(suffix);
        if (!QFileInfo::exists(file)) {
            continue;
        }
        const QString aside = file + QStringLiteral(".replaced-") + stamp;
        if (!QFile::rename(file, aside)) {
            *notice = QCoreApplication::translate(
                          "SqliteFileGuard",
                          "无法把 %1 改名，恢复副本 %2 未能放回原处。请手动处理后重新启动。")
                          .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(copy));
            return false;
        }
        kept << QFileInfo(aside).fileName();
    }
    if (!QFile::rename(copy, path)) {
        *notice = QCoreApplication::translate("SqliteFileGuard",
                                              "无法把恢复副本 %1 改名为 %2。请手动处理后重新启动。")
                      .arg(QDir::toNativeSeparators(copy), QDir::toNativeSeparators(path));
        return false;
    }
    QFile::remove(note.fileName());
    *notice = QCoreApplication::translate(
                  "SqliteFileGuard",
                  "上次运行时数据库文件被删除或替换。恢复副本 %1 已放回原处，作为 %2 继续使用。")
                  .arg(copyName, info.fileName());
    if (!kept.isEmpty()) {
        *notice += QCoreApplication::translate("SqliteFileGuard", "\n原来的文件已改名保留：%1")
                       .arg(kept.join(QStringLiteral("、")));
    }
    return true;
}
