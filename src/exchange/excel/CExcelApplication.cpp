// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelApplication.h"

#include "exchange/excel/CExcelDispatchException.h"
#include "exchange/excel/ExcelServer.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

CExcelApplication::Launcher& InstalledLauncher()
{
    static CExcelApplication::Launcher launcher;
    return launcher;
}

std::function<bool()>& StartCheck()
{
    static std::function<bool()> check;
    return check;
}

} // namespace

bool CExcelApplication::CreateDispatch(const QString& progId)
{
    m_server.reset();
    if (progId.compare(u"Excel.Application", Qt::CaseInsensitive) != 0) {
        return false;
    }
    if (StartCheck() && !StartCheck()()) {
        return false;
    }
    m_server = std::make_shared<ExcelServer>();
    return true;
}

void CExcelApplication::SetVisible(bool visible)
{
    if (!m_server) {
        ThrowDetachedDispatch();
    }
    if (visible) {
        m_server->Show();
    }
}

CExcelWorkbooks CExcelApplication::GetWorkbooks() const
{
    if (!m_server) {
        ThrowDetachedDispatch();
    }
    return CExcelWorkbooks(m_server);
}

void CExcelApplication::SetDesktopLauncher(Launcher launcher)
{
    InstalledLauncher() = std::move(launcher);
}

void CExcelApplication::LaunchOnDesktop(const QString& path)
{
    if (InstalledLauncher()) {
        InstalledLauncher()(path);
    }
}

void CExcelApplication::OpenWithDesktop(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CExcelApplication::SetStartCheck(std::function<bool()> check)
{
    StartCheck() = std::move(check);
}
