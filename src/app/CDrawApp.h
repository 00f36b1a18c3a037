// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CAdoDatabase.h"
#include "app/EventLock.h"
#include "platform/core/ResourceModule.h"

#include <QString>

#include <functional>
#include <memory>

class QTranslator;

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
    // True once Qt's own texts (file dialogs, standard buttons) are translated.
    bool HasQtTranslation() const { return m_qtTranslator != nullptr; }

    // The file of Qt's own translations that matches the program's language: traditional
    // Chinese when the traditional resource module is in use, else simplified Chinese.
    static QString QtTranslationFile(bool traditional);
    // Loads that file into translator and installs it in the application; false, with a line on
    // standard error, when it cannot (Qt's texts then stay English). Run installs the one that
    // matches the event's module; main installs the simplified one for the boxes shown before.
    static bool InstallQtTranslation(QTranslator& translator, bool traditional);

private:
    void LoadQtTranslation();

    // Declared first, so the folder is released only after the database connection has closed.
    EventLock m_lock;
    CAdoDatabase m_database;
    ResourceModule m_resources;
    std::unique_ptr<QTranslator> m_qtTranslator;
    MainWindowRunner m_runMainWindow;
};
