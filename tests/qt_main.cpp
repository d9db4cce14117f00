// Test entry for the layers that need a Qt application (run with QT_QPA_PLATFORM=offscreen).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Off screen unless told otherwise, so that listing the tests needs no screen either.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
