// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

void StartQt(int* argc, char*** argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (QCoreApplication::instance() == nullptr) {
        // Never destroyed: at exit Qt's own globals may already be gone.
        new QCoreApplication(*argc, *argv);
    }
}

QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString WriteScratchFile(const QByteArray& bytes, const QString& suffix)
{
    // One file per suffix and process, in memory where the system offers it.
    static QHash<QString, QString> paths;
    QString& path = paths[suffix];
    if (path.isEmpty()) {
        const QString directory = QDir(QStringLiteral("/dev/shm")).exists()
                                      ? QStringLiteral("/dev/shm")
                                      : QDir::tempPath();
        path = QStringLiteral("%1/sortilo-fuzz-%2%3")
                   .arg(directory)
                   .arg(QCoreApplication::applicationPid())
                   .arg(suffix);
        std::atexit([] {
            for (const QString& p : std::as_const(paths)) {
                QFile::remove(p);
            }
        });
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        Fail("cannot write the scratch file");
    }
    return path;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace FuzzSupport

// Every target reads through Qt.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::StartQt(argc, argv);
    return 0;
}
