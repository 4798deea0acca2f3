#include <string>
#include <vector>

#include <QApplication>
#include <QLocale>

#include "app/command_line.h"
#include "shell/ui/main_window.h"
#include "ui/translations.h"

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
    qv::installTranslations(app, QLocale::system(), qv::translationFolders());

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    qv::MainWindow window(nullptr, arguments);
    window.show();
    return QApplication::exec();
}
