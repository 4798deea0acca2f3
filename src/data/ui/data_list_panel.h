#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "data/fits.h"
#include "ui/document_binding.h"
#include "data/statistics.h"
#include "document/data_columns.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qv {

class DataColumnModel;
struct PanelContext;

// The data list of the list mode: the four columns, one shown at a time,
// with their entry box and commands, the statistics, and the switches that
// draw the data on the graph. The columns are the document's; the panel
// reads its controls, calls the column's command and writes the outcome
// back. Every change of a column is a step of the undo history.
class DataListPanel : public QWidget {
    Q_OBJECT

public:
    explicit DataListPanel(PanelContext& ctx, QWidget* parent = nullptr);

    DataColumns& columns();
    // The views show the columns again (after a file was read or an undo).
    void refresh();
    // The selected item of the shown column, -1 for none.
    int selectedItem() const;
    void clearItemSelection();
    // Chooses the shown column, as its option button does.
    void selectColumn(int column);
    QLineEdit* entryBox() const { return entry_; }
    // The "Fit Type" chosen.
    FitType fitType() const;
    // The result label of the statistics and fits; an empty text clears it.
    void showResult(const std::string& text);
    // The boxes, checks, choices, result and columns as the document has them.
    void showDocument();
    // The four drawing check boxes as if each had just been released: the
    // list locks, or a box whose data cannot be drawn is unchecked with its
    // message (after a graph file was read).
    void applyDrawingChecks();

    // Records the change of column `column` from `before` to what it holds
    // now as an undo step named `name` (import, undo of other panels).
    void recordColumn(const QString& name, int column, std::vector<std::string> before);

Q_SIGNALS:
    // A click in the entry box: the function list clears its selection.
    void entryBoxClicked();
    // "Create Fit" and "Test Correlation": they work on the function list's
    // entry box, so the list panel that holds it runs them.
    void createFitRequested(qv::FitType type);
    void testCorrelationRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildColumns();
    QWidget* buildStatistics();
    QWidget* buildDrawing();
    QWidget* buildFit();
    void connectCommands();
    void bindDocument();
    BoundControls boundControls() const;

    template <typename Command>
    void runCommand(const char* name, Command command);
    void writeBack(const DataColumnEdit& edit);
    void selectRow(int row);
    void showStatistic(Statistic which);
    void checkReleased(QCheckBox* box, bool redraw = true);
    void setListLocked(bool locked);
    void sizeBoxChanged(QLineEdit* box, int low);
    void storeDrawingOptions();
    QListView* view() const;
    DataColumnModel* model() const;

    PanelContext& ctx_;
    std::array<QRadioButton*, kDataColumnCount> options_{};  // Option3 .. Option6
    std::array<QListView*, kDataColumnCount> views_{};       // List1(0) .. List1(3)
    std::array<DataColumnModel*, kDataColumnCount> models_{};
    QLineEdit* entry_ = nullptr;       // Text26
    QPushButton* add_ = nullptr;       // Command25
    QPushButton* delete_ = nullptr;    // Command26
    QPushButton* clear_ = nullptr;     // Command27
    QPushButton* replace_ = nullptr;   // Command38
    QPushButton* up_ = nullptr;        // Command41
    QPushButton* down_ = nullptr;      // Command42
    QLabel* result_ = nullptr;         // Label38
    QTabWidget* tools_ = nullptr;
    std::array<QRadioButton*, 6> fitTypes_{};  // Option7 .. Option12
    QPushButton* createFit_ = nullptr;        // Command40
    QPushButton* testCorrelation_ = nullptr;  // Command51
    std::array<QPushButton*, 4> statistics_{};  // Command33 .. Command35, Command37
    QCheckBox* points_ = nullptr;      // Check2 "Plot Data"
    QCheckBox* connect_ = nullptr;     // Check7 "Connect"
    QCheckBox* average_ = nullptr;     // Check8 "Moving Avg."
    QCheckBox* smooth_ = nullptr;      // Check9 "Smooth"
    QCheckBox* autoscale_ = nullptr;   // Check3 "Autoscale"
    QLineEdit* size_ = nullptr;        // Text28
    QLineEdit* neighbours_ = nullptr;  // Text29
};

}  // namespace qv
