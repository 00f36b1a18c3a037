// SPDX-License-Identifier: GPL-3.0-or-later
// Test runner for widget code: a QApplication on the offscreen platform unless a display was
// chosen on purpose (the screenshot tests run under Xvfb).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
