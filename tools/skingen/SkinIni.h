// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skingen/SkinLanguages.h"

#include <QString>

// The default skin's description files (skin.ini and its languages), written from SkinLayout.
namespace SkinIni {

// A file name of a language: "main.png" for the skin's own language, "main.en.png" for "en".
QString Named(const QString& base, const QString& extension, const SkinLanguage& words);

// Writes the description of the skin in words' language to path; false when it cannot.
bool Write(const QString& path, const SkinLanguage& words);

} // namespace SkinIni
