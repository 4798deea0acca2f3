#include <QApplication>

#include "app/command_line.h"
#include "document/ui/main_window.h"

int main(int argc, char** argv) {
    // The command-line options run before any QApplication exists, so they
    // work without a display (in scripts, over ssh, in CI).
    bool handled = false;
    const int code = qv::runCommandLine(argc, argv, handled);
    if (handled) {
        return code;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvanta");

    qv::MainWindow window;
    window.show();
    return QApplication::exec();
}
