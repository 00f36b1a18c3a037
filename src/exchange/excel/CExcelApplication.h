// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/excel/CExcelWorkbooks.h"

#include <QString>
#include <functional>
#include <memory>

class ExcelServer;

// The spreadsheet application: the program's own workbook engine, started by CreateDispatch.
// Like every wrapper it is empty or holds one reference; copies share it.
class CExcelApplication
{
public:
    // Starts a server for the program id "Excel.Application" (letter case ignored); false when
    // the engine cannot start or the id names something else.
    bool CreateDispatch(const QString& progId);
    // Visible (true) opens every saved workbook of this application with the desktop's
    // spreadsheet program, through the installed launcher; false keeps working unseen.
    void SetVisible(bool visible);
    CExcelWorkbooks GetWorkbooks() const;
    void ReleaseDispatch() { m_server.reset(); }
    bool IsAttached() const { return m_server != nullptr; }

    // Opens a saved workbook for the operator. Nothing is opened until one is installed; the
    // program installs OpenWithDesktop, tests a recorder.
    using Launcher = std::function<void(const QString& path)>;
    static void SetDesktopLauncher(Launcher launcher);
    static void LaunchOnDesktop(const QString& path);
    // The desktop's default program for the file; when none opens it, a box says where it was
    // saved.
    static void OpenWithDesktop(const QString& path);
    // Whether the engine can start (always, unless a test says otherwise); nullptr restores it.
    static void SetStartCheck(std::function<bool()> check);

private:
    std::shared_ptr<ExcelServer> m_server;
};
