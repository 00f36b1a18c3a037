// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the default skin: the Main, Over, Down, Disabled and Mask pictures and the skin.ini that
// places the elements on them, all from the one layout of SkinLayout, so that pictures and
// description always agree, once for each language of SkinLanguages(). Usage: sortilo_skingen
// <output folder>
#include "skingen/SkinIni.h"
#include "skingen/SkinLanguages.h"
#include "skingen/SkinPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sortilo_skingen <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    if (!SkinPainter::Mask().save(folder.filePath(QStringLiteral("mask.png")), "PNG")) {
        std::fprintf(stderr, "cannot write mask.png\n");
        return 1;
    }
    for (const SkinLanguage& words : SkinLanguages()) {
        const SkinPainter painter(words);
        const QImage background = painter.Background();
        const char* const names[] = {"main", "over", "down", "disabled"};
        for (int state = 0; state < 4; ++state) {
            const QString path = folder.filePath(SkinIni::Named(names[state], "png", words));
            if (!painter.Picture(background, state).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        const QString description = SkinIni::Named("skin", "ini", words);
        if (!SkinIni::Write(folder.filePath(description), words)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(description));
            return 1;
        }
    }
    return 0;
}
