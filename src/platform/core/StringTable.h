// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's string table (ids 101 to 149). Texts are looked up by id, often computed
// (a reason text is 140 + its code). Every text passes through Qt's translation system under
// the context "StringTable", so an installed traditional-Chinese module replaces them all.
class StringTable
{
public:
    // The text of id, translated when a module is installed; empty for an unknown id.
    static QString Load(int id);
    // The untranslated source text of id; empty for an unknown id.
    static const char* Source(int id);

    static constexpr int FirstId = 101;
    static constexpr int LastId = 149;
};
