#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

class Platform;

// "Print": the printer, the number of copies and whether the two
// expressions go under the graph. "OK" asks the owner to print through
// printRequested(); the owner closes the dialog when the run is over. The
// default printer is chosen at the start, or the first one when there is no
// default; with no printer at all "OK" is disabled.
class PrintDialog : public QDialog {
    Q_OBJECT

public:
    PrintDialog(const std::vector<std::string>& printers, const std::string& defaultPrinter,
                QWidget* parent = nullptr);

    std::string printer() const;
    std::string copiesText() const;
    bool printEquations() const;

Q_SIGNALS:
    void printRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void copiesChanged();

    QListWidget* printers_ = nullptr;  // List1
    QLineEdit* copies_ = nullptr;      // Text1
    QCheckBox* equations_ = nullptr;   // Check1
    QPushButton* ok_ = nullptr;        // Command1
    QPushButton* cancel_ = nullptr;    // Command2
};

}  // namespace qv
