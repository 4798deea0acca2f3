#include "shell/ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "calculator/ui/calculator_panel.h"
#include "calculus/ui/calculus_commands.h"
#include "data/ui/list_panel.h"
#include "document/startup.h"
#include "shell/ui/app_icon.h"
#include "plot/ui/graph_panel.h"
#include "ui/input_conventions.h"
#include "plot/ui/point_evaluation_controller.h"
#include "platform/platform.h"
#include "platform/qt/qt_platform.h"
#include "plot/ui/navigation_controller.h"
#include "plot/ui/picture_mouse.h"
#include "plot/ui/plot_controller.h"
#include "vectors/ui/vector_panel.h"

namespace qv {

namespace {

constexpr const char* kSaveTitle = "Quorvanta  -  Save?";
constexpr const char* kSaveBeforeExit = "Would you like to save your graph before exiting?";
constexpr const char* kSaveBeforeNew = "Would you like to save your graph before starting a new one?";

// Shows the rewriter's parenthesis message in a real message box.
class MessageBoxFormulaErrors : public FormulaErrorSink {
public:
    explicit MessageBoxFormulaErrors(Platform& platform) : platform_(platform) {}
    void formulaError(const std::string& title, const std::string& text) override {
        platform_.message(title, text, MessageButtons::Ok, MessageIcon::Warning);
    }

private:
    Platform& platform_;
};

}  // namespace

MainWindow::MainWindow(Platform* platform, std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent) {
    // Tests find the window by this name.
    setObjectName("Form1");
    setWindowTitle(kProgramTitle);
    setWindowIcon(appIcon());
    if (platform == nullptr) {
        ownPlatform_ = std::make_unique<QtPlatform>(this);
        platform = ownPlatform_.get();
    }
    platform_ = platform;
    formulaErrors_ = std::make_unique<MessageBoxFormulaErrors>(*platform_);
    rewrite_.errors = formulaErrors_.get();
    rewrite_.function_names = &doc_.function_names;

    defaults_ = new DefaultButtonKeeper(this);
    context_.doc = &doc_;
    context_.evaluator = &evaluator_;
    context_.defaults = defaults_;
    context_.platform = platform_;
    context_.rewrite = &rewrite_;
    context_.markEdited = [this] { markEdited(); };

    buildPanels();
    buildMenus();
    resize(1180, 760);
    startUp(arguments);
}

MainWindow::~MainWindow() {
    // The controllers watch the panels' widgets; they go before the widgets
    // do, so that no event of a dying widget reaches them.
    plotter_->setAfterCurve({});
    plotter_->setScrolling({});
    plotter_->setOptionsChanged({});
    delete calculus_commands_;
    delete mouse_;
    delete point_;
    delete navigation_;
    delete plotter_;
}

void MainWindow::buildPanels() {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    graph_ = new GraphPanel(context_, central);
    calculator_ = new CalculatorPanel(context_, central);
    list_ = new ListPanel(context_, central);
    vectors_ = new VectorPanel(context_, central);
    // The graph takes what the mode panel beside it leaves.
    layout->addWidget(graph_, 1);
    layout->addWidget(calculator_);
    layout->addWidget(list_);
    layout->addWidget(vectors_);
    calculator_->hide();
    list_->hide();
    vectors_->hide();
    setCentralWidget(central);
    plotter_ = new PlotController(*graph_, context_, [this] { return list_->functions().entries(); }, this);
    navigation_ = new NavigationController(*graph_, context_, *plotter_, this);
    point_ = new PointEvaluationController(*graph_, context_, *plotter_, this);
    mouse_ = new PictureMouse(*graph_, context_, *plotter_, this);
    mouse_->setTraceRunning([this] { return point_->closingBoxRunning(); });
    calculus_commands_ = new CalculusCommands(*graph_, context_, *plotter_, this);
    calculus_commands_->setPointEvaluation([this] { point_->evaluate(false); });
    calculus_commands_->setFunctionList([this] { return list_->functions().entries(); });
    plotter_->setOptionsChanged([this] { calculus_commands_->refreshEnabling(); });
}

void MainWindow::buildMenus() {
    auto addMenu = [this](const char* title, const char* name) {
        QMenu* menu = menuBar()->addMenu(tr(title));
        menu->setObjectName(name);
        // Opening one of these menus tells the graph's mouse handler that
        // the click it may see next belonged to the menu.
        connect(menu, &QMenu::aboutToShow, this, [this] { doc_.menu_opened = "0"; });
        return menu;
    };
    auto addAction = [this](QMenu* menu, const char* text, const char* name, auto slot) {
        QAction* action = menu->addAction(tr(text));
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = addMenu("&File", "File");
    addAction(file, "&New Graph", "NewGraph", [this] { newGraph(); })->setShortcut(QKeySequence::New);
    addAction(file, "New &Window", "NewWindow", [this] { newWindow(); });
    file->addSeparator();
    addAction(file, "E&xit", "Exit", [this] { close(); })->setShortcut(QKeySequence::Quit);

    viewMenu_ = addMenu("&View", "View");
    plotter_->addViewMenuEntries(viewMenu_);
    plotter_->setParametricActive([this] { return mode_ == Mode::Parametric; });
    navigation_->addViewMenuEntries(viewMenu_);
    navigation_->setParametricActive([this] { return mode_ == Mode::Parametric; });
    plotter_->setScrolling([this] { return navigation_->transitionRunning() || mouse_->dragging(); });

    QMenu* modeMenu = addMenu("&Mode", "Mode");
    auto* group = new QActionGroup(this);
    const struct {
        const char* text;
        const char* name;
        Mode mode;
    } modes[] = {
        {"&Parametric Grapher", "ParametricGrapher", Mode::Parametric},
        {"&Calculator", "Calculator", Mode::Calculator},
        {"&List", "List", Mode::List},
        {"&Vectors", "Vectors", Mode::Vectors},
    };
    for (const auto& m : modes) {
        QAction* action = addAction(modeMenu, m.text, m.name, [this, mode = m.mode] { setMode(mode); });
        action->setCheckable(true);
        action->setActionGroup(group);
        modeActions_[static_cast<int>(m.mode)] = action;
    }
    modeActions_[static_cast<int>(Mode::Parametric)]->setChecked(true);

    calculus_commands_->addMenuEntries(addMenu("&Calculus", "Calculus"));
    calculus_commands_->setWindowHooks(
        [this](bool on) {
            viewMenu_->setEnabled(on);
            viewMenu_->menuAction()->setEnabled(on);
        },
        [this] { setMode(Mode::Parametric); });
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help");
}

void MainWindow::startUp(const std::vector<std::string>& arguments) {
    // The random generator seeded itself from the clock, the colour slots
    // and the name table took their defaults with the document, and the
    // graph panel put the default range into the range boxes.
    evaluator_.setUp();
    const StartDocument start = chooseStartDocument(joinArguments(arguments), platform_->programFolder(),
                                                    [](const std::string& p) { return QFileInfo::exists(QString::fromStdString(p)); });
    if (start.path.empty()) {
        plainStart();
        return;
    }
    doc_.document_path = start.path;
    if (!openAtStartUp(start.path)) {
        // A file that cannot be read leads to the plain start, without a message.
        doc_.document_path.clear();
        plainStart();
        return;
    }
    doc_.open_from_path = "0";
    refreshTitle();
}

void MainWindow::plainStart() {
    requestPlot();
    doc_.open_from_path = "0";
    doc_.document_saved = "1";
    refreshTitle();
    focusForMode();
}

bool MainWindow::openAtStartUp(const std::string&) {
    // Graph files are read once the graph-file reader exists; until then
    // every named file leads to the plain start.
    return false;
}

bool MainWindow::saveDocument() {
    // The graph-file writer plugs in here; until it exists nothing is saved.
    return false;
}

void MainWindow::markEdited() { doc_.document_saved = "0"; }

void MainWindow::refreshTitle() {
    const TitleChoice t = documentTitle(doc_.document_path);
    if (t.clearPath) doc_.document_path.clear();
    setWindowTitle(QString::fromStdString(t.title));
}

bool MainWindow::promptToSave(PromptFor reason) {
    if (doc_.saved()) return true;
    const MessageAnswer answer = platform_->message(kSaveTitle, reason == PromptFor::Exit ? kSaveBeforeExit : kSaveBeforeNew,
                                                    MessageButtons::YesNoCancel, MessageIcon::Question);
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::Yes) saveDocument();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closingForNewGraph_ || promptToSave(PromptFor::Exit)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::newGraph() {
    if (!promptToSave(PromptFor::NewGraph)) return;
    platform_->startOwnProgram({});
    doc_.document_saved = "1";
    closingForNewGraph_ = true;  // the prompt has been answered already
    close();
}

void MainWindow::newWindow() { platform_->startOwnProgram({}); }

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // Activation: the mode's focus (the default button stays), the title;
    // the colour shading joins here with the effects.
    focusForMode(false);
    refreshTitle();
}

void MainWindow::setMode(Mode mode) {
    modeActions_[static_cast<int>(mode)]->setChecked(true);
    if (mode == mode_) return;
    mode_ = mode;
    calculator_->setVisible(mode == Mode::Calculator);
    list_->setVisible(mode == Mode::List);
    vectors_->setVisible(mode == Mode::Vectors);
    applyModeEnabling();
    if (mode == Mode::List) doc_.full_replot = "1";
    focusForMode();
    if (mode == Mode::Parametric) requestPlot();
}

// Which menu entries each mode enables. The entries of the later commands
// (calculus, list files, printing) join these rules as they are built.
void MainWindow::applyModeEnabling() {
    const bool view = mode_ == Mode::Parametric && !calculus_commands_->integralShown();
    viewMenu_->setEnabled(view);
    viewMenu_->menuAction()->setEnabled(view);
    calculus_commands_->setModeEnabled(mode_ == Mode::Parametric);
}

void MainWindow::focusForMode(bool moveDefault) {
    switch (mode_) {
    case Mode::Parametric:
        if (calculus_commands_->integralShown()) {
            calculus_commands_->focusIntegral();
            break;
        }
        if (moveDefault) defaults_->setDefaultButton(graph_->plotButton());
        (graph_->xBox()->text().isEmpty() ? graph_->xBox() : graph_->yBox())->setFocus();
        break;
    case Mode::Calculator: calculator_->setFocus(); break;
    case Mode::List: list_->setFocus(); break;
    case Mode::Vectors: vectors_->setFocus(); break;
    }
}

void MainWindow::requestPlot() {
    ++plotRequests_;
    plotter_->plot();
}

}  // namespace qv
