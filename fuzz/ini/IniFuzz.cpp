// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as the program reads and writes it: text decoding (marks, UTF-8, GBK), the
// INI reader, and the event settings written back and read again.
#include "data/EventSettings.h"
#include "support/FuzzSupport.h"
#include "platform/core/GbkText.h"
#include "platform/core/IniFile.h"

namespace {

// A value read back after writing must be the value written, except where the reader removes
// quotes around a value (as the Windows profile functions do).
bool Survives(const QString& value)
{
    return value.size() < 2 || !(value.front() == u'"' || value.front() == u'\'') ||
           value.back() != value.front();
}

QStringList Entries(const QString& text)
{
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf(
        [](const QString& line) { return line.startsWith(u';') || line.startsWith(u'#'); });
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzSupport::Bytes(data, size);

    const QString text = GbkText::DecodeFileText(bytes);
    const int length = GbkText::ByteLength(text);
    const QString cut = GbkText::TruncateToBytes(text, length / 2);
    FUZZ_CHECK(GbkText::ByteLength(cut) <= length / 2 && text.startsWith(cut));

    // Saving what was read and reading it again keeps every entry (the library moves blank lines
    // and comments around).
    IniFile ini;
    ini.LoadText(text);
    const QString saved = ini.ToText();
    IniFile again;
    again.LoadText(saved);
    const QString savedAgain = again.ToText();
    FUZZ_CHECK(Entries(savedAgain) == Entries(saved));
    for (const QString& key : ini.Keys(QStringLiteral("DEFAULTADDRESS"))) {
        ini.GetInt(QStringLiteral("DEFAULTADDRESS"), key, -1);
    }

    // The event settings keep what they wrote.
    const QString path = FuzzSupport::WriteScratchFile(bytes, QStringLiteral(".ini"));
    const EventSettings read = EventSettings::Read(path);
    FUZZ_CHECK(GbkText::ByteLength(read.company) <= EventSettings::MaxTextBytes);
    FUZZ_CHECK(read.Write(path));
    const EventSettings reread = EventSettings::Read(path);
    // A value cut at its length limit may end in a blank, which the reader then drops.
    const auto kept = [](const QString& before, const QString& after) {
        return !Survives(before.trimmed()) || after == before.trimmed();
    };
    FUZZ_CHECK(kept(read.company, reread.company) && kept(read.theme, reread.theme));
    FUZZ_CHECK(kept(read.music1, reread.music1) && kept(read.music2, reread.music2));
    FUZZ_CHECK(reread.bMusic1 == read.bMusic1 && reread.bMusic2 == read.bMusic2 &&
               reread.autoStop == read.autoStop);
    return 0;
}
