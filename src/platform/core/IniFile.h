// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// An INI file read and written the way the Windows profile functions do: section and key names
// are case-insensitive, blanks around values are dropped, ";" lines are comments, keys keep the
// order of the file, and writing a key replaces it in place or appends it to its section.
// Files are written as UTF-8; a file that is not valid UTF-8 (written by the Windows version in
// GBK) is read as GBK, one with a UTF-16 byte-order mark (saved so by a Windows editor) as UTF-16.
// Parsing is SimpleIni's.
class IniFile
{
public:
    // What a file may ask for. Settings and skin files hold a few kilobytes; a larger file is
    // not read at all, and a longer line (one key) is left out.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;
    static constexpr qsizetype MaxLineLength = 4096; // characters

    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file; a missing or unreadable file gives an empty document (never an error,
    // like the profile functions). Returns false only when the file exists and could not be read
    // or is larger than MaxFileBytes.
    bool Load(const QString& path);
    // Load before the document is changed and saved: false with errorText (the problem, or that
    // the file could not be read) when saving would lose what the file holds.
    bool LoadToChange(const QString& path, QString* errorText);
    // Reads from text already in memory.
    void LoadText(const QString& text);
    // Why the last Load or LoadText left out the file or some of its lines, for the operator;
    // empty when it did not.
    QString Problem() const;
    // Whether the last Load or LoadText read something that is no text file at all (it holds
    // NUL characters): what it seems to say may be what is left of something else.
    bool HeldBinary() const { return m_binary; }

    bool HasKey(const QString& section, const QString& key) const;
    // The value, or fallback when the key is missing. Matching quotes around a value are removed.
    QString GetString(const QString& section, const QString& key, const QString& fallback) const;
    // Leading decimal digits of the value (optionally signed), or fallback when the key is
    // missing or its value empty ("BMUSIC1="); a value without digits gives 0.
    int GetInt(const QString& section, const QString& key, int fallback) const;
    // Key names of a section in the order of the file.
    QStringList Keys(const QString& section) const;

    void SetString(const QString& section, const QString& key, const QString& value);

    // The whole document as the text it would be saved as.
    QString ToText() const;
    // Writes the document atomically (a temporary file renamed over the old one), so a crash
    // never leaves half a file. On failure returns false and sets errorText.
    bool Save(const QString& path, QString* errorText = nullptr) const;

    // Convenience: load path, set one key, save. Returns false with errorText on failure.
    static bool WriteValue(const QString& path, const QString& section, const QString& key,
                           const QString& value, QString* errorText = nullptr);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    QString m_problem;
    bool m_binary = false;
};
