// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ResourceModule.h"

#include <QCoreApplication>
#include <QTranslator>

ResourceModule::ResourceModule() = default;

ResourceModule::~ResourceModule()
{
    if (m_loaded) {
        QCoreApplication::removeTranslator(m_translator.get());
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

bool ResourceModule::IsTraditionalChinese(const QString& localeName)
{
    const QString name = localeName.trimmed().toLower();
    const qsizetype dot = name.indexOf(u'.');
    const QString codeset = dot < 0 ? QString() : name.mid(dot + 1).section(u'@', 0, 0);
    if (codeset.startsWith(QStringLiteral("big5"))) {
        return true;
    }
    const QString language = name.left(dot < 0 ? name.size() : dot).section(u'@', 0, 0);
    for (const char* traditional :
         {"zh_tw", "zh-tw", "zh_hk", "zh-hk", "zh_mo", "zh-mo", "zh_hant", "zh-hant"}) {
        if (language.startsWith(QLatin1String(traditional))) {
            return true;
        }
    }
    return false;
}

bool ResourceModule::LoadFor(const QString& localeName, const QString& appDirectory)
{
    if (m_loaded || !IsTraditionalChinese(localeName)) {
        return m_loaded;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(appDirectory + QLatin1String(FileName))) {
        return false;
    }
    if (!QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    m_translator = std::move(translator);
    m_loaded = true;
    return true;
}
