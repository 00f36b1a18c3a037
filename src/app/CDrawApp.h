// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/EventLock.h"
#include "data/CAdoDatabase.h"
#include "platform/core/ResourceModule.h"

#include <QString>

#include <functional>
#include <memory>

// The application object: prepares the process (random seed, application folder, database,
// resource module), then runs the main window; the program ends when that window closes.
class CDrawApp
{
public:
    // Runs the main window modally and returns when it closes.
    using MainWindowRunner = std::function<void(CDrawApp&)>;

    explicit CDrawApp(MainWindowRunner runMainWindow);
    ~CDrawApp();
    CDrawApp(const CDrawApp&) = delete;
    CDrawApp& operator=(const CDrawApp&) = delete;

    // Start-up, the main window, shutdown. Returns the process exit code: 1 when another window
    // runs on the folder or the database cannot be opened (the main window is then never
    // created), else 0.
    int Run(const QString& localeName = ResourceModule::CurrentLocaleName());

    // The one running application object, or nullptr.
    static CDrawApp* Instance();

    // The folder current at start-up, with "/" appended; every data file lies in it.
    QString AppDirectory;

    CAdoDatabase& Database() { return m_database; }
    bool HasResourceModule() const { return m_resources.IsLoaded(); }
    // True once Qt's own texts (file dialogs, standard buttons) are translated: always but in
    // English, Qt's own language.
    bool HasQtTranslation() const { return m_resources.HasQtTranslation(); }

private:
    // Declared first, so the folder is released only after the database connection has closed.
    EventLock m_lock;
    CAdoDatabase m_database;
    ResourceModule m_resources;
    MainWindowRunner m_runMainWindow;
};
