// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QTranslator;

// The language modules: Qt translation files of the program's texts, one a language besides the
// built-in simplified Chinese (traditional Chinese "bigRes.qm", English "enRes.qm"), found in the
// event folder or among the shared files. The locale chooses the language; once a module is
// installed every text of the program (string table and dialogs alike) is taken from it, and
// Qt's own texts (file dialogs, standard buttons) follow the same language.
class ResourceModule
{
public:
    enum class Language
    {
        SimplifiedChinese, // built in: the texts of the sources
        TraditionalChinese,
        English,
    };

    // The traditional-Chinese module's file name.
    static constexpr const char* FileName = "bigRes.qm";

    ResourceModule();
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    // The locale name that decides the user-interface language, by POSIX precedence:
    // LC_ALL, then LC_MESSAGES, then LANG.
    static QString CurrentLocaleName();
    // The language of a locale name: traditional Chinese for zh_TW, zh_HK, zh_MO, zh_Hant and any
    // Big5 codeset; simplified Chinese for every other Chinese locale and for a locale that names
    // no language (empty, C, POSIX: the program's own language); English for English and for
    // every language that has no module of its own.
    static Language LanguageFor(const QString& localeName);
    static bool IsTraditionalChinese(const QString& localeName)
    {
        return LanguageFor(localeName) == Language::TraditionalChinese;
    }
    // The module file of a language ("bigRes.qm"); empty for the built-in language.
    static QString ModuleFile(Language language);
    // The file of Qt's own translations for a language; empty for English, Qt's own language.
    static QString QtTranslationFile(Language language);

    // The language code of the texts in use ("zh_CN", "zh_TW", "en"): each module translates
    // the code of the built-in language into its own, so the answer follows whichever module
    // the application has installed last. Language variants of files (skins) carry it.
    static QString ActiveLanguageCode();

    // Installs the module of the locale's language, taken from appDirectory or else the shared
    // files (SharedFiles::Locate), and Qt's own translation for the language then in use. A
    // missing or unloadable module is not an error: the built-in texts stay, and Qt's texts
    // follow them. Returns true when the module is installed.
    bool LoadFor(const QString& localeName, const QString& appDirectory);
    bool IsLoaded() const { return m_module != nullptr; }
    // True once Qt's own texts are translated (never for English, which needs none).
    bool HasQtTranslation() const { return m_qtTexts != nullptr; }
    // The language of the texts this object installed.
    Language InstalledLanguage() const { return m_language; }

private:
    std::unique_ptr<QTranslator> m_module;
    std::unique_ptr<QTranslator> m_qtTexts;
    Language m_language = Language::SimplifiedChinese;
    bool m_done = false;
};
