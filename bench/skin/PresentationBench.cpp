// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of presentation mode with the default skin: laying the face out for a screen (scaling the
// four pictures, shaping the main picture, scaling the region, placing the elements) and
// painting the whole window once. Prints a table; asserts nothing.
#include "skin/widgets/CSkinDialog.h"
#include "skin/MedianMs.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    CSkinDialog dialog;
    dialog.SetSkinPath(QStringLiteral(SORTILO_SOURCE_DIR "/res/skin/skin.ini"));
    dialog.LoadSkin();
    dialog.show();
    dialog.SetPresentation(true);
    QCoreApplication::processEvents();

    std::printf("default skin 1280x800, presentation mode, pixel ratio %.1f\n\n",
                dialog.devicePixelRatioF());
    std::printf("%-12s %8s %12s %12s\n", "window", "scale", "layout ms", "paint ms");
    const QSize sizes[] = {{1280, 800}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
    for (const QSize& size : sizes) {
        const double layout =
            MedianMs(7,
                     [&] {
                         dialog.resize(size.width() - 2, size.height()); // a change each time
                         QCoreApplication::processEvents();
                         dialog.resize(size);
                         QCoreApplication::processEvents();
                     }) /
            2;
        const double paint = MedianMs(7, [&] { dialog.grab(); });
        std::printf("%5dx%-6d %8.3f %12.1f %12.1f\n", size.width(), size.height(),
                    dialog.SkinScale(), layout, paint);
    }
    return 0;
}
