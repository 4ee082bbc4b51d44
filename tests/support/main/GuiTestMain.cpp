#include <gtest/gtest.h>
#include <QApplication>

// Windows are tested off screen; the platform must be chosen before the application exists.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
