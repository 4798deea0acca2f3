#include "document/ui/main_window.h"

namespace qv {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // Tests find the window by this name.
    setObjectName("Form1");
    setWindowTitle("Quorvanta");
    resize(1024, 720);
}

}  // namespace qv
