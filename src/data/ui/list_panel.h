#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "document/function_list.h"
#include "expression/rewrite.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qv {

class DataListPanel;
class FitCommands;
struct PanelContext;

// The list mode's panel: the data columns (left) and the function list
// (right). The function list is the document's; its commands run through
// FunctionList, and the panel reads its controls, calls the command and
// writes the outcome back.
class ListPanel : public QWidget {
    Q_OBJECT

public:
    // `ctx` belongs to the main window and outlives the panel; its document
    // holds the function list.
    explicit ListPanel(PanelContext& ctx, QWidget* parent = nullptr);

    // Whoever changes the list through the non-const accessor calls
    // refreshFunctionList() afterwards, so the list box shows it.
    FunctionList& functions();
    const FunctionList& functions() const;

    // Replaces the function list, as a graph file is read; no selection.
    void setEntries(const std::vector<std::string>& entries);
    void refreshFunctionList();
    // The function list, the entry boxes and the data list as the
    // document has them.
    void showDocument();

    // The selected function list entry, -1 for none.
    int selectedFunction() const;
    void clearFunctionSelection();

    QLineEdit* functionEntryBox() const { return entry_; }

    DataListPanel& dataList() const { return *data_; }
    FitCommands& fits() const { return *fits_; }

    enum class FunctionBox : unsigned char { X, Y };

Q_SIGNALS:
    // A click in the function entry box; the data columns clear their
    // selection on it.
    void functionEntryBoxClicked();
    // "Add to x(z)" and "Add to y(z)": the text for the graph's box.
    void functionForBox(ListPanel::FunctionBox box, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFunctionControls();
    void layOut();

    template <typename Command>
    void recordFunctions(const char* name, Command command);
    void restoreFunctions(const std::vector<std::string>& entries);
    void addFunction();
    void addFunctionNow();
    void deleteFunction();
    void deleteFunctionNow();
    void replaceFunction();
    void clearFunctions();
    void moveFunctionUp();
    void moveFunctionDown();
    void functionClicked(QListWidgetItem* item);
    void swapRows(int row, int other);
    void writeBack(const FunctionListEdit& edit);
    void selectRow(int row);

    void makeDefault(QPushButton* button);
    RewriteContext& rewrite();

    PanelContext& ctx_;
    RewriteContext localRewrite_;  // used when the window lends no rewriter

    DataListPanel* data_ = nullptr;
    FitCommands* fits_ = nullptr;
    QLabel* functionCaption_ = nullptr;
    QLineEdit* entry_ = nullptr;         // Text27
    QListWidget* list_ = nullptr;        // List2
    QPushButton* add_ = nullptr;         // Command28
    QPushButton* delete_ = nullptr;      // Command29
    QPushButton* clear_ = nullptr;       // Command30
    QPushButton* up_ = nullptr;          // Command49
    QPushButton* down_ = nullptr;        // Command50
    QPushButton* replace_ = nullptr;     // Command39
    QPushButton* toX_ = nullptr;         // Command31
    QPushButton* toY_ = nullptr;         // Command32
};

}  // namespace qv
