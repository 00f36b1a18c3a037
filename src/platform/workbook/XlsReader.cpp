// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsReader.h"

#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/XlsStreamReader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <atomic>

namespace {

QString g_helper;
std::atomic<int> g_timeoutMs = XlsReader::DefaultTimeoutMs;

bool IsProgram(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// Stops the reader when reading ends early (a refusal, or an exception on the way).
class ProcessGuard
{
public:
    explicit ProcessGuard(QProcess& process) : m_process(process) {}
    ~ProcessGuard()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

private:
    QProcess& m_process;
};

QString Unreadable(const QString& path, const QString& why)
{
    return Workbook::tr("无法读取 .xls 文件 %1：%2").arg(QDir::toNativeSeparators(path), why);
}

} // namespace

namespace XlsReader {

QString FindHelper()
{
    if (!g_helper.isEmpty()) {
        return g_helper;
    }
    const QString named = qEnvironmentVariable(HelperVariable);
    if (!named.isEmpty()) {
        return named;
    }
    QStringList folders;
    if (QCoreApplication::instance()) {
        const QString own = QCoreApplication::applicationDirPath();
        folders << own << QDir::cleanPath(own + QStringLiteral("/../libexec/sortilo"));
    }
    folders << QStringLiteral("/usr/libexec/sortilo");
    for (const QString& folder : std::as_const(folders)) {
        const QString candidate = folder + u'/' + QLatin1String(HelperName);
        if (IsProgram(candidate)) {
            return candidate;
        }
    }
    return QString();
}

void SetHelper(const QString& path)
{
    g_helper = path;
}

void SetTimeout(int milliseconds)
{
    g_timeoutMs = milliseconds;
}

std::unique_ptr<Workbook> Read(const QString& path)
{
    const QString helper = FindHelper();
    if (helper.isEmpty() || !IsProgram(helper)) {
        throw WorkbookError(
            Unreadable(path, Workbook::tr("找不到读取 .xls 文件的程序 %1，请重新安装本程序")
                                 .arg(helper.isEmpty() ? QLatin1String(HelperName) : helper)));
    }
    const int timeoutMs = g_timeoutMs;
    QProcess process;
    process.setProgram(helper);
    process.setArguments({path});
    process.setStandardInputFile(QProcess::nullDevice());
    // What the reader says on its error channel (nothing, unless it fails badly) goes to ours.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ProcessGuard guard(process);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        throw WorkbookError(Unreadable(
            path, Workbook::tr("读取程序 %1 无法启动：%2").arg(helper, process.errorString())));
    }
    const QDeadlineTimer deadline(timeoutMs);
    XlsStreamReader reader;
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            throw WorkbookError(Unreadable(
                path, Workbook::tr("读取超过 %1 秒仍未完成，已停止").arg(timeoutMs / 1000.0)));
        }
        if (process.bytesAvailable() > 0 || process.waitForReadyRead(deadline.remainingTime())) {
            reader.Feed(process.readAllStandardOutput());
        }
    }
    reader.Feed(process.readAllStandardOutput());
    const bool finished = process.exitStatus() == QProcess::NormalExit;
    if (finished && process.exitCode() == 0 &&
        reader.Status() == XlsStreamReader::State::Complete) {
        return reader.Take();
    }
    if (finished && process.exitCode() == 1 && reader.Status() == XlsStreamReader::State::Failed) {
        throw WorkbookError(Unreadable(path, reader.FailureMessage()));
    }
    // A reader that says it finished has not kept to the form of its output.
    if (finished && process.exitCode() == 0) {
        XlsStreamReader::Malformed();
    }
    throw WorkbookError(Unreadable(
        path,
        Workbook::tr("读取程序中途异常退出（文件可能已损坏，或读取所需内存或时间超出限制）")));
}

} // namespace XlsReader
