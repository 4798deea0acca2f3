// Entry point of the widget tests: GoogleTest drives the cases, and one
// QApplication lives for the whole run because widgets cannot exist without it.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // No display is needed, whether ctest or a developer starts the program.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvanta");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
