#pragma once

#include <QMainWindow>

namespace qv {

// The program's one top-level window. It assembles the panels, menus and
// modes; the panels do the work.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace qv
