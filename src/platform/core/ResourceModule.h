// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QTranslator;

// The traditional-Chinese resource module: a Qt translation file named "bigRes.qm" in the
// application folder. It is loaded only on a traditional-Chinese locale; once installed, every
// text of the program (string table and dialogs alike) is taken from it.
class ResourceModule
{
public:
    static constexpr const char* FileName = "bigRes.qm";

    ResourceModule();
    ~ResourceModule();

    // The locale name that decides the user-interface language, by POSIX precedence:
    // LC_ALL, then LC_MESSAGES, then LANG.
    static QString CurrentLocaleName();
    // True for zh_TW, zh_HK, zh_MO, zh_Hant and any locale whose codeset is Big5.
    static bool IsTraditionalChinese(const QString& localeName);

    // On a traditional-Chinese locale loads appDirectory + FileName and installs it into the
    // application; any other locale never looks for the file. A missing or unloadable module is
    // not an error: the built-in texts stay. Returns true when the module is installed.
    bool LoadFor(const QString& localeName, const QString& appDirectory);
    bool IsLoaded() const { return m_loaded; }

private:
    std::unique_ptr<QTranslator> m_translator;
    bool m_loaded = false;
};
