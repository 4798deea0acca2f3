#pragma once

#include <QImage>
#include <QMainWindow>
#include <QUndoStack>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"
#include "persistence/graph_file.h"
#include "ui/panel_context.h"

namespace qv {

class CalculatorPanel;
class CalculusCommands;
class ClickFocusWatcher;
class DefaultButtonKeeper;
class CrashRecovery;
class EffectsController;
class PictureCommands;
class GraphPanel;
class ListFileCommands;
class ListPanel;
class NavigationController;
class PictureMouse;
class Platform;
class PlotController;
class PointEvaluationController;
class VectorPanel;
class WindowMenus;

// The program's one top-level window. It owns the document state, the math
// library and the evaluator, assembles the panels, controllers and menus,
// switches the modes, keeps the title and the saved flag, and asks before
// discarding unsaved work. The panels and controllers do the work.
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
    Mode mode() const { return context_.events.mode(); }
    DefaultButtonKeeper& defaults() { return *defaults_; }
    QUndoStack& undoStack() { return undo_; }

    // Switches mode as the mode commands do; the checked mode does nothing.
    void setMode(Mode mode);
    // Marks the document as changed since it was last saved.
    void markEdited() { context_.events.markEdited(); }
    // Recomputes the title from the document path.
    void refreshTitle();

    // The whole document as the graph file holds it, and back. Applying
    // empties the lists first and ends in the file's mode.
    GraphFile gatherFile() const;
    void applyFile(const GraphFile& file);
    // Every panel shows the document as it now stands.
    void showDocument();

    // The file commands.
    void openCommand();
    // "Open &Recent" and a file dropped on the window: the question about
    // unsaved work, then the file.
    void openRecent(const std::string& path);
    void openDropped(const std::string& path);
    std::vector<std::string> recentFiles() const;
    // "Help &Contents" and "&About Quorvanta...".
    void showHelp();
    void showAbout();
    CrashRecovery& recovery() { return *recovery_; }
    bool saveCommand();
    bool saveAsCommand();
    void createInitializeFile();
    void setDefaultRanges();
    // "More &Visual Options...": the colour options dialog.
    void showVisualOptions();
    // The colour slots applied to what shows them outside the drawing, and
    // the graph drawn again wherever it is in view.
    void applyColors();
    // Writes the document to the path; false (after one message) when the
    // file could not be written, which leaves any old file as it was.
    bool textSave(const std::string& path);

    // The graph as the parametric grapher draws it into a picture area of
    // the given size in pixels (the window grows or shrinks around it).
    QImage renderPicture(int width, int height);
    PictureCommands& pictures() { return *pictures_; }


    // How often a redraw was asked for through the panels' events.
    int plotRequests() const { return plotRequests_; }
    PlotController& plotter() { return *plotter_; }
    NavigationController& navigation() { return *navigation_; }
    PointEvaluationController& pointEvaluation() { return *point_; }
    CalculusCommands& calculus() { return *calculus_; }
    EffectsController& effects() { return *effects_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class PromptFor { Exit, NewGraph };

    void buildPanels();
    void buildControllers();
    void connectEvents();
    void startUp(const std::vector<std::string>& arguments);
    void plainStart();
    // After a crash: the graph a window left unsaved is offered back.
    void offerRecovery();
    // The document is in a file: saved, and nothing kept against a crash.
    void markSaved();
    // The question before the open document is replaced; false when the
    // user cancels or a save asked for did not happen.
    bool readyToReplaceDocument();
    void openPath(const std::string& path);
    // The path joins (or leaves) the recent files.
    void rememberRecent(const std::string& path, bool keep);
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // Reads the graph file at the path into the window; the error when it
    // cannot be read, in which case nothing changed.
    std::optional<GraphFileError> readIntoWindow(const std::string& path);
    // After a file was read into the window: status, plot, title.
    void finishOpening(const std::string& path);
    // Asks for a path to save to; none when the user cancels.
    std::optional<std::string> chooseSavePath();

    // Asks about unsaved work; false when the user cancels or a save that
    // was asked for did not happen.
    bool promptToSave(PromptFor reason);
    // The focus (and, on a mode switch, the default button) for the mode.
    void focusForMode(bool moveDefault = true);
    // Shows the graph's controls beside the mode panel of `mode` when the
    // window leaves the picture half its width with both; else the panel
    // takes their place.
    void fitGraphControls(Mode mode);
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
    ClickFocusWatcher* clicks_ = nullptr;
    // The history of the changes to the lists; a new window starts without.
    QUndoStack undo_;
    PanelContext context_;

    // The panels belong to the window's widget tree.
    GraphPanel* graph_ = nullptr;
    CalculatorPanel* calculator_ = nullptr;
    ListPanel* list_ = nullptr;
    VectorPanel* vectors_ = nullptr;
    // The controllers watch the panels' widgets. As members they are
    // destroyed before the widget tree, so no event of a dying widget
    // reaches them.
    std::unique_ptr<PlotController> plotter_;
    std::unique_ptr<NavigationController> navigation_;
    std::unique_ptr<PointEvaluationController> point_;
    std::unique_ptr<PictureMouse> mouse_;
    std::unique_ptr<CalculusCommands> calculus_;
    std::unique_ptr<ListFileCommands> listFiles_;
    std::unique_ptr<EffectsController> effects_;
    std::unique_ptr<PictureCommands> pictures_;
    std::unique_ptr<CrashRecovery> recovery_;
    WindowMenus* menus_ = nullptr;

    int plotRequests_ = 0;
    bool closingForNewGraph_ = false;
};

}  // namespace qv
