// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/IniFile.h"

#include "platform/core/GbkText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#define SI_CONVERT_ICU // as Debian builds the library
#include <SimpleIni.h>

#include <algorithm>
#include <list>
#include <string>

namespace {

// SimpleIni skips a line that opens a section without closing it ("[name"), but the entries
// after it then land in a section named by the rest of that line joined to the next key's name,
// and saving writes that name, line break included, as a new header. Such lines are blanked out
// first: they are ignored, and the entries after them stay in the section before.
void BlankUnclosedSectionLines(QByteArray& utf8)
{
    const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
    char* p = utf8.data();
    char* const end = p + utf8.size();
    while (p < end) {
        char* const lineEnd = std::find_if(p, end, isLineEnd);
        char* const first = std::find_if(p, lineEnd, [](char c) { return c != ' ' && c != '\t'; });
        if (first < lineEnd && *first == '[' && std::find(first, lineEnd, ']') == lineEnd) {
            std::fill(first, lineEnd, ' ');
        }
        p = lineEnd < end ? lineEnd + 1 : end;
    }
}

} // namespace

struct IniFile::Impl
{
    // UTF-8 data, single value per key, no multi-line values.
    CSimpleIniA ini{true, false, false};
};

IniFile::IniFile() : m_impl(std::make_unique<Impl>())
{
    // "key=value", as the Windows profile functions write it.
    m_impl->ini.SetSpaces(false);
}

IniFile::~IniFile() = default;

bool IniFile::Load(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        LoadText(QString());
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        LoadText(QString());
        m_problem = QCoreApplication::translate("IniFile", "无法读取设置文件 %1：%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    if (file.size() > MaxFileBytes) {
        LoadText(QString());
        m_problem = QCoreApplication::translate(
                        "IniFile", "设置文件 %1 有 %2 字节，超过上限 %3 字节，没有读取。")
                        .arg(QDir::toNativeSeparators(path))
                        .arg(file.size())
                        .arg(MaxFileBytes);
        return false;
    }
    LoadText(GbkText::DecodeFileText(file.readAll()));
    if (!m_problem.isEmpty()) {
        m_problem = QCoreApplication::translate("IniFile", "设置文件 %1：%2")
                        .arg(QDir::toNativeSeparators(path), m_problem);
    }
    return true;
}

QString IniFile::Problem() const
{
    return m_problem;
}

void IniFile::LoadText(const QString& text)
{
    m_impl->ini.Reset();
    m_problem.clear();
    QString kept = text;
    int dropped = 0;
    if (kept.size() > MaxLineLength) {
        QStringList lines = kept.split(u'\n');
        dropped = static_cast<int>(
            lines.removeIf([](const QString& line) { return line.size() > MaxLineLength; }));
        kept = lines.join(u'\n');
    }
    QStringList problems;
    if (dropped > 0) {
        problems << QCoreApplication::translate("IniFile", "%1 行超过 %2 个字符，已略过")
                        .arg(dropped)
                        .arg(MaxLineLength);
    }
    m_binary = kept.contains(QChar(0));
    if (m_binary) {
        problems << QCoreApplication::translate("IniFile", "含有空字符（NUL），不是文本文件");
    }
    if (kept.contains(QChar::ReplacementCharacter)) {
        problems << QCoreApplication::translate("IniFile", "有无法识别的字符（显示为 �）");
    }
    m_problem = problems.join(QCoreApplication::translate("IniFile", "；"));
    QByteArray utf8 = kept.toUtf8();
    BlankUnclosedSectionLines(utf8);
    m_impl->ini.LoadData(utf8.constData(), static_cast<size_t>(utf8.size()));
}

bool IniFile::HasKey(const QString& section, const QString& key) const
{
    return m_impl->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData()) != nullptr;
}

QString IniFile::GetString(const QString& section, const QString& key,
                           const QString& fallback) const
{
    const char* value =
        m_impl->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData());
    if (!value) {
        return fallback;
    }
    QString text = QString::fromUtf8(value).trimmed();
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front()) {
        text = text.mid(1, text.size() - 2);
    }
    return text;
}

int IniFile::GetInt(const QString& section, const QString& key, int fallback) const
{
    // An empty value counts as a missing one, as the profile functions read numbers.
    const QString text = GetString(section, key, QString());
    if (text.isEmpty()) {
        return fallback;
    }
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > 0x7fffffffLL) {
            value = 0x7fffffffLL;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

QStringList IniFile::Keys(const QString& section) const
{
    CSimpleIniA::TNamesDepend keys;
    m_impl->ini.GetAllKeys(section.toUtf8().constData(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList names;
    for (const auto& entry : keys) {
        names << QString::fromUtf8(entry.pItem);
    }
    return names;
}

void IniFile::SetString(const QString& section, const QString& key, const QString& value)
{
    m_impl->ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                         value.toUtf8().constData());
}

QString IniFile::ToText() const
{
    std::string out;
    m_impl->ini.Save(out);
    return QString::fromStdString(out);
}

bool IniFile::Save(const QString& path, QString* errorText) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText) {
            *errorText = file.errorString();
        }
        return false;
    }
    const QByteArray bytes = ToText().toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorText) {
            *errorText = file.errorString();
        }
        file.cancelWriting();
        return false;
    }
    return true;
}

bool IniFile::LoadToChange(const QString& path, QString* errorText)
{
    if (Load(path)) {
        return true;
    }
    if (errorText) {
        *errorText = Problem().isEmpty() ? QStringLiteral("cannot read %1").arg(path) : Problem();
    }
    return false;
}

bool IniFile::WriteValue(const QString& path, const QString& section, const QString& key,
                         const QString& value, QString* errorText)
{
    IniFile ini;
    if (!ini.LoadToChange(path, errorText)) {
        return false;
    }
    ini.SetString(section, key, value);
    return ini.Save(path, errorText);
}
