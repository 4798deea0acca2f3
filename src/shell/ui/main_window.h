#pragma once

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "ui/panel_context.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

class QAction;
class QMenu;

namespace qv {

class CalculatorPanel;
class DefaultButtonKeeper;
class GraphPanel;
class ListPanel;
class PlotController;
class NavigationController;
class PointEvaluationController;
class PictureMouse;
class CalculusCommands;
class Platform;
class VectorPanel;

// The window's four exclusive modes.
enum class Mode : unsigned char { Parametric, Calculator, List, Vectors };

// The program's one top-level window. It owns the document state, the math
// library and the evaluator, assembles the panels, menus and modes, keeps
// the title and the saved flag, and asks before discarding unsaved work.
// The panels do the work.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `platform` serves dialogs and processes; null means the desktop's own.
    // `arguments` are the program's arguments (a graph file to open).
    explicit MainWindow(Platform* platform = nullptr, std::vector<std::string> arguments = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    GraphDocument& document() { return doc_; }
    Evaluator& evaluator() { return evaluator_; }
    Mode mode() const { return mode_; }
    DefaultButtonKeeper& defaults() { return *defaults_; }

    // Switches mode as the mode commands do; the checked mode does nothing.
    void setMode(Mode mode);
    // Marks the document as changed since it was last saved.
    void markEdited();
    // Recomputes the title from the document path.
    void refreshTitle();

    // How often the window asked for a redraw.
    int plotRequests() const { return plotRequests_; }
    PlotController& plotter() { return *plotter_; }
    NavigationController& navigation() { return *navigation_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class PromptFor { Exit, NewGraph };

    void buildPanels();
    void buildMenus();
    void startUp(const std::vector<std::string>& arguments);
    void plainStart();
    // Loads a graph file at start-up; the graph-file reader plugs in here.
    bool openAtStartUp(const std::string& path);
    // The save command; the graph-file writer plugs in here. True when saved.
    bool saveDocument();
    // Asks about unsaved work; false when the user cancels.
    bool promptToSave(PromptFor reason);
    void applyModeEnabling();
    // The focus (and, on a mode switch, the default button) for the mode.
    void focusForMode(bool moveDefault = true);
    void requestPlot();
    void newGraph();
    void newWindow();

    // Document state, and the engine its expressions run on.
    GraphDocument doc_;
    RandomSource rng_;
    MathLibrary math_{rng_};
    Evaluator evaluator_{math_, rng_};
    RewriteContext rewrite_;
    std::unique_ptr<FormulaErrorSink> formulaErrors_;

    std::unique_ptr<Platform> ownPlatform_;
    Platform* platform_ = nullptr;
    DefaultButtonKeeper* defaults_ = nullptr;
    PanelContext context_;

    GraphPanel* graph_ = nullptr;
    CalculatorPanel* calculator_ = nullptr;
    ListPanel* list_ = nullptr;
    VectorPanel* vectors_ = nullptr;
    PlotController* plotter_ = nullptr;
    NavigationController* navigation_ = nullptr;
    PointEvaluationController* point_ = nullptr;
    PictureMouse* mouse_ = nullptr;
    CalculusCommands* calculus_commands_ = nullptr;

    Mode mode_ = Mode::Parametric;
    QMenu* viewMenu_ = nullptr;
    QAction* modeActions_[4] = {nullptr, nullptr, nullptr, nullptr};
    int plotRequests_ = 0;
    bool closingForNewGraph_ = false;
};

}  // namespace qv
