// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CDrawApp.h"

#include "data/EventSettings.h"
#include "platform/core/IniFile.h"
#include "platform/core/MessageService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
CDrawApp* g_instance = nullptr;
}

CDrawApp::CDrawApp(MainWindowRunner runMainWindow) : m_runMainWindow(std::move(runMainWindow))
{
    g_instance = this;
}

CDrawApp::~CDrawApp()
{
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

CDrawApp* CDrawApp::Instance()
{
    return g_instance;
}

int CDrawApp::Run(const QString& localeName)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    AppDirectory = QDir::currentPath() + QLatin1Char('/');
    const QString databasePath = AppDirectory + QStringLiteral("Data.db");
    // The language first, so that every box speaks it. The event's own module wins over the one
    // shipped with the program.
    m_resources.LoadFor(localeName, AppDirectory);

    // One window an event: a second one would draw from the same data beside the first, and
    // write the same config.ini. The command line's jobs take no lock and run beside a window.
    QString lockError;
    switch (m_lock.Acquire(AppDirectory, &lockError)) {
    case EventLock::Outcome::Held:
        break;
    case EventLock::Outcome::InUse:
        ShowMessage(QCoreApplication::translate("CDrawApp",
                                                "活动文件夹 %1 已在另一个抽奖窗口中打开。\n"
                                                "每个活动只能运行一个抽奖窗口：请使用已打开的窗口，"
                                                "或先将其关闭再启动。")
                        .arg(QDir::toNativeSeparators(QDir::currentPath())));
        return 1;
    case EventLock::Outcome::Unavailable:
        // A folder nothing can be written to: the database connection says what it cannot do.
        std::fprintf(stderr, "sortilo: cannot lock the event folder %s: %s\n",
                     qPrintable(AppDirectory), qPrintable(lockError));
        break;
    }

    // The [DATABASE] section of config.ini may point the station at a shared server.
    const QString configPath = AppDirectory + QLatin1String(EventSettings::FileName);
    QString configError;
    bool configUnreadable = false;
    std::optional<DatabaseTarget> target =
        DatabaseTarget::FromConfig(configPath, databasePath, &configError, &configUnreadable);
    if (!target && configUnreadable && QFileInfo(databasePath).isFile()) {
        // A settings file that cannot be read may have pointed the station at a server: the
        // operator decides whether this station keeps its winners in its own file meanwhile.
        if (!AskYesNo(configError + QStringLiteral("\n\n") +
                      QCoreApplication::translate(
                          "CDrawApp",
                          "如果本机应与其他抽奖机共用数据库服务器，请选“否”，修正该文件后再启动。\n"
                          "是否使用本机的数据库 %1 继续（公司、主题等设置取默认值）？")
                          .arg(QDir::toNativeSeparators(databasePath)))) {
            return 1;
        }
        target = DatabaseTarget::SqliteFile(databasePath);
    } else if (!target) {
        ShowMessage(configError);
    } else {
        // Lines left out or characters that did not decode are named once.
        IniFile config;
        if (config.Load(configPath) && !config.Problem().isEmpty()) {
            ShowMessage(config.Problem());
        }
    }
    if (!target || !m_database.ConnectDatabase(*target)) {
        ShowMessage(QCoreApplication::translate("CDrawApp", "连接数据库失败"));
        return 1;
    }

    if (m_runMainWindow) {
        m_runMainWindow(*this);
    }
    return 0;
}
