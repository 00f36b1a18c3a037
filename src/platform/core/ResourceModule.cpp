// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ResourceModule.h"

#include "platform/core/SharedFiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <cstdio>

namespace {

std::unique_ptr<QTranslator> Install(const QString& file)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

} // namespace

ResourceModule::ResourceModule() = default;

ResourceModule::~ResourceModule()
{
    for (QTranslator* translator : {m_qtTexts.get(), m_module.get()}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
        }
    }
}

QString ResourceModule::CurrentLocaleName()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return QString();
}

ResourceModule::Language ResourceModule::LanguageFor(const QString& localeName)
{
    // language[_territory][.codeset][@modifier]; BCP 47 tags ("zh-Hant") are read alike.
    const QString name = localeName.trimmed().toLower();
    const qsizetype dot = name.indexOf(u'.');
    const QString codeset = dot < 0 ? QString() : name.mid(dot + 1).section(u'@', 0, 0);
    if (codeset.startsWith(QLatin1String("big5"))) {
        return Language::TraditionalChinese;
    }
    QStringList parts =
        name.left(dot < 0 ? name.size() : dot).section(u'@', 0, 0).replace(u'-', u'_').split(u'_');
    const QString language = parts.takeFirst();
    if (language.isEmpty() || language == u"c" || language == u"posix") {
        return Language::SimplifiedChinese;
    }
    if (language == u"zh") {
        if (parts.contains(QLatin1String("hans"))) {
            return Language::SimplifiedChinese;
        }
        for (const char* traditional : {"hant", "tw", "hk", "mo"}) {
            if (parts.contains(QLatin1String(traditional))) {
                return Language::TraditionalChinese;
            }
        }
        return Language::SimplifiedChinese;
    }
    // English, and every language without a module of its own.
    return Language::English;
}

QString ResourceModule::ModuleFile(Language language)
{
    switch (language) {
    case Language::TraditionalChinese:
        return QLatin1String(FileName);
    case Language::English:
        return QStringLiteral("enRes.qm");
    case Language::SimplifiedChinese:
        break;
    }
    return QString();
}

QString ResourceModule::QtTranslationFile(Language language)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    switch (language) {
    case Language::TraditionalChinese:
        return folder + QStringLiteral("/qtbase_zh_TW.qm");
    case Language::SimplifiedChinese:
        return folder + QStringLiteral("/qtbase_zh_CN.qm");
    case Language::English:
        break;
    }
    return QString();
}

QString ResourceModule::ActiveLanguageCode()
{
    // Each module translates the built-in language's code into the code of its own language.
    return QCoreApplication::translate(
        "ResourceModule", "zh_CN",
        "The code of this module's language (zh_TW, en, ...), not a text anyone reads: skins "
        "pick their pictures by it.");
}

bool ResourceModule::LoadFor(const QString& localeName, const QString& appDirectory)
{
    if (m_done) {
        return IsLoaded();
    }
    m_done = true;
    const Language wanted = LanguageFor(localeName);
    const QString module = ModuleFile(wanted);
    if (!module.isEmpty()) {
        m_module = Install(SharedFiles::Locate(appDirectory, module));
    }
    m_language = m_module ? wanted : Language::SimplifiedChinese;

    // Qt's texts follow the program's language, not the locale: without its module the program
    // speaks simplified Chinese, and so do its file dialogs. Without the translation file they
    // stay English: no reason to stop.
    const QString qtFile = QtTranslationFile(m_language);
    if (!qtFile.isEmpty()) {
        m_qtTexts = Install(qtFile);
        if (!m_qtTexts) {
            std::fprintf(stderr, "sortilo: Qt's own texts stay English: cannot load %s\n",
                         qPrintable(qtFile));
        }
    }
    return IsLoaded();
}
