#include "CDrawApp.h"

#include "MessageService.h"
#include "SharedFiles.h"

#include <QCoreApplication>
#include <QDir>

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

    if (!m_database.ConnectDatabase(QString(), databasePath)) {
        ShowMessage(QCoreApplication::translate("CDrawApp", "连接数据库失败"));
        return 1;
    }

    // The event's own module wins over the one shipped with the program.
    const QString module =
        SharedFiles::Locate(AppDirectory, QLatin1String(ResourceModule::FileName));
    m_resources.LoadFor(localeName, module.left(module.lastIndexOf(u'/') + 1));

    if (m_runMainWindow) {
        m_runMainWindow(*this);
    }
    return 0;
}
