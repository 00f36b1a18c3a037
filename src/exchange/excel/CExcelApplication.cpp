// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelApplication.h"

#include "exchange/excel/CExcelDispatchException.h"
#include "exchange/excel/ExcelServer.h"

#include "platform/core/DesktopOpener.h"

#include <QCoreApplication>

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
    DesktopOpener::Open(
        path, QCoreApplication::translate(
                  "CExcelApplication",
                  "工作簿已保存到：\n%1\n\n没有能打开它的电子表格程序，请自行打开这个文件。"));
}

void CExcelApplication::SetStartCheck(std::function<bool()> check)
{
    StartCheck() = std::move(check);
}
