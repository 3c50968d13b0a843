#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

// Widget and player tests need one QApplication for the whole run. Listing
// the tests runs this too, without ctest's environment: stay headless then.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // libmpv refuses to start under any other numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
