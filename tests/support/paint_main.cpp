// SPDX-License-Identifier: GPL-3.0-or-later
// Test runner for code that paints text and pictures without widgets: a QGuiApplication on the
// offscreen platform unless a display was chosen on purpose.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
