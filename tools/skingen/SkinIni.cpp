// SPDX-License-Identifier: GPL-3.0-or-later
#include "skingen/SkinIni.h"

#include "skingen/SkinLayout.h"

#include <QFile>
#include <QTextStream>

using namespace SkinLayout;

namespace {

// Windows colour value 0x00BBGGRR, as skin files write colours.
unsigned ColourValue(const QColor& colour)
{
    return static_cast<unsigned>(colour.red()) | static_cast<unsigned>(colour.green()) << 8 |
           static_cast<unsigned>(colour.blue()) << 16;
}

QString Rect(const QRect& rect)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

} // namespace

namespace SkinIni {

QString Named(const QString& base, const QString& extension, const SkinLanguage& words)
{
    return words.code.isEmpty() ? base + u'.' + extension
                                : base + u'.' + words.code + u'.' + extension;
}

bool Write(const QString& path, const SkinLanguage& words)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        return false;
    }
    QTextStream out(&file);
    out << "; Sortilo default skin: deep red and gold, 1280 x 800.\n"
           "; Drawn by tools/skingen; change the layout there and rebuild the pictures with\n"
           ";   cmake --build --preset test --target sortilo_skin_pictures\n"
           ";\n"
           "; [Screen] names the whole-window pictures. Main, Over, Down and Disabled share one\n"
           "; layout: every element cuts its pictures from them at its own rectangle. Mask gives\n"
           "; the window's size and shape (pure white is outside the window).\n"
           "; Reel = x, y, width, height: where the reel display goes, in pixels. It is an\n"
           "; addition to the format; skins without it get the reels at 6, 219, 591 x 120.\n"
           ";\n"
           "; Entries are numbered from 1 without gaps; fields are separated by commas.\n"
           "; BUTTONINFO:   name, x, y, width, height, tooltip, latch (T = always normal look)\n"
           "; TEXTINFO:     name, font, bold (T), italic (F), cell height in px, colour,\n"
           ";               x, y, width, height, initial text\n"
           "; TRACKBARINFO: name, thumb, pressed thumb, x, y, width, height, H = horizontal, max\n"
           "; PROGRESSINFO: name, tooltip, x, y, width, height, H = fills top to bottom\n"
           "; Colours are decimal 0x00BBGGRR values (255 = red, 16711680 = blue).\n"
           ";\n"
           "; skin.ini has the labels in simplified Chinese; skin.zh_TW.ini and skin.en.ini are\n"
           "; the same skin in traditional Chinese and English, with pictures of their own, and\n"
           "; are read instead when the program's texts are in that language.\n\n";
    out << "[Screen]\nMain=" << Named("main", "png", words)
        << "\nMask=mask.png\nOver=" << Named("over", "png", words)
        << "\nDown=" << Named("down", "png", words)
        << "\nDisabled=" << Named("disabled", "png", words) << '\n';
    out << "Reel=" << Rect(ReelRect) << "\n\n[BUTTONINFO]\n";
    int number = 1;
    for (const Button& button : Buttons(words)) {
        out << number++ << '=' << button.name << ',' << Rect(button.rect) << ',' << button.tooltip
            << ",F\n";
    }
    out << "\n[TEXTINFO]\n";
    number = 1;
    for (const Text& text : Texts(words)) {
        out << number++ << '=' << text.name << ',' << text.face << ',' << (text.bold ? 'T' : 'N')
            << ",N," << text.size << ',' << ColourValue(text.colour) << ',' << Rect(text.rect)
            << ',' << text.text << ",\n";
    }
    out << "\n[TRACKBARINFO]\n\n[PROGRESSINFO]\n";
    return out.status() == QTextStream::Ok && file.flush();
}

} // namespace SkinIni
