#include <QApplication>
#include <gtest/gtest.h>

// The widget tests need one QApplication for the whole run.
// Listing the tests runs this too, without ctest's environment: stay headless.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
