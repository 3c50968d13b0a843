#include <QCoreApplication>
#include <gtest/gtest.h>

// The JPEG writer is a plugin, found through the application object.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
