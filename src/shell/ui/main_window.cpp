#include "shell/ui/main_window.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QUrl>

#include "animation/ui/effects_controller.h"
#include "appearance/ui/color_options_dialog.h"
#include "calculator/ui/calculator_panel.h"
#include "calculus/ui/calculus_commands.h"
#include "data/ui/list_file_commands.h"
#include "data/ui/list_panel.h"
#include "document/startup.h"
#include "expression/user_text.h"
#include "help/help.h"
#include "help/ui/build_info.h"
#include "output/ui/picture_commands.h"
#include "persistence/graph_commands.h"
#include "persistence/graph_file.h"
#include "platform/platform.h"
#include "platform/qt/qt_platform.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/navigation_controller.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/picture_mouse.h"
#include "plot/ui/plot_controller.h"
#include "plot/ui/point_evaluation_controller.h"
#include "shell/ui/app_icon.h"
#include "shell/ui/crash_recovery.h"
#include "shell/ui/window_menus.h"
#include "ui/input_conventions.h"
#include "vectors/ui/vector_panel.h"

namespace qv {

namespace {

// The widest a mode panel grows beside the picture.
constexpr int kModePanelWidth = 480;

constexpr const char* kSaveTitle = QT_TRANSLATE_NOOP("qv::MainWindow", "Quorvanta  -  Save?");
constexpr const char* kSaveBeforeExit =
    QT_TRANSLATE_NOOP("qv::MainWindow", "Would you like to save your graph before exiting?");
constexpr const char* kSaveBeforeNew =
    QT_TRANSLATE_NOOP("qv::MainWindow", "Would you like to save your graph before starting a new one?");

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
    clicks_ = new ClickFocusWatcher(this);
    context_.doc = &doc_;
    context_.evaluator = &evaluator_;
    context_.defaults = defaults_;
    context_.platform = platform_;
    context_.rewrite = &rewrite_;
    context_.undo = &undo_;
    // Refined curves unless the user turned them off.
    doc_.view.refine_curves = platform_->setting(kRefineCurvesSetting) != "0";

    // The user's View switches: automatic tick scales unless switched off.
    doc_.view.auto_tick_scales = platform_->setting(kAutoTickScalesSetting) != "0";
    doc_.view.equal_scales = platform_->setting(kEqualScalesSetting) == "1";
    doc_.view.legend = platform_->setting(kLegendSetting) != "0";
    buildPanels();
    buildControllers();
    menus_ = new WindowMenus(*this, context_, *plotter_, *navigation_, *calculus_, *listFiles_);
    menus_->setRecentFiles([this] { return recentFiles(); });
    connectEvents();
    resize(1180, 760);
    // The window comes back where the user left it.
    const QByteArray geometry = QByteArray::fromBase64(QByteArray::fromStdString(platform_->setting("geometry")));
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    setAcceptDrops(true);
    recovery_ = std::make_unique<CrashRecovery>(
        *platform_, [this] { return graphFileBytes(gatherFile()); }, [this] { return !doc_.document_saved; });
    connect(&context_.events, &PanelEvents::documentEdited, recovery_.get(), &CrashRecovery::documentChanged);
    startUp(arguments);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanels() {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    graph_ = new GraphPanel(context_, central);
    calculator_ = new CalculatorPanel(context_, central);
    list_ = new ListPanel(context_, central);
    vectors_ = new VectorPanel(context_, central);
    // The graph takes what the mode panel beside it leaves. A mode panel
    // stands where the graph's own controls stand in the grapher, and grows
    // no wider than leaves the picture half of a 1024 pixel window.
    layout->addWidget(graph_, 1);
    for (QWidget* panel : std::initializer_list<QWidget*>{calculator_, list_, vectors_}) {
        panel->setMaximumWidth(kModePanelWidth);
        layout->addWidget(panel);
    }
    calculator_->hide();
    list_->hide();
    vectors_->hide();
    setCentralWidget(central);
}

void MainWindow::buildControllers() {
    plotter_ = std::make_unique<PlotController>(*graph_, context_);
    navigation_ = std::make_unique<NavigationController>(*graph_, context_, *plotter_);
    point_ = std::make_unique<PointEvaluationController>(*graph_, context_, *plotter_);
    mouse_ = std::make_unique<PictureMouse>(*graph_, context_, *plotter_, *point_);
    calculus_ = std::make_unique<CalculusCommands>(*graph_, context_, *plotter_, *point_);
    listFiles_ = std::make_unique<ListFileCommands>(*list_, context_);
    effects_ = std::make_unique<EffectsController>(*graph_, context_, *plotter_, rng_, centralWidget());
    pictures_ = std::make_unique<PictureCommands>(*graph_, context_, *plotter_);
    connect(effects_.get(), &EffectsController::colorsChanged, this,
            [this] { graph_->setReadoutColors(doc_.colors[kBackground], doc_.colors[kAxis]); });
    // The read-outs wear the picture's colours from the start, not only
    // once a file or the colour dialog sets them.
    graph_->setReadoutColors(doc_.colors[kBackground], doc_.colors[kAxis]);
}

void MainWindow::connectEvents() {
    PanelEvents& events = context_.events;
    connect(&events, &PanelEvents::documentEdited, this, [this] { doc_.document_saved = false; });
    connect(&events, &PanelEvents::plotRequested, this, [this] { ++plotRequests_; });
    connect(&events, &PanelEvents::modeRequested, this, &MainWindow::setMode);
    connect(list_, &ListPanel::functionForBox, this, [this](ListPanel::FunctionBox box, const QString& text) {
        (box == ListPanel::FunctionBox::X ? graph_->function().x : graph_->function().y)->setText(text);
    });
    connect(menus_, &WindowMenus::newGraphRequested, this, &MainWindow::newGraph);
    connect(menus_, &WindowMenus::newWindowRequested, this, &MainWindow::newWindow);
    connect(menus_, &WindowMenus::exitRequested, this, &MainWindow::close);
    connect(menus_, &WindowMenus::openRequested, this, &MainWindow::openCommand);
    connect(menus_, &WindowMenus::saveRequested, this, &MainWindow::saveCommand);
    connect(menus_, &WindowMenus::saveAsRequested, this, &MainWindow::saveAsCommand);
    connect(menus_, &WindowMenus::createInitializeRequested, this, &MainWindow::createInitializeFile);
    connect(menus_, &WindowMenus::setDefaultRangesRequested, this, &MainWindow::setDefaultRanges);
    connect(menus_, &WindowMenus::visualOptionsRequested, this, &MainWindow::showVisualOptions);
    connect(menus_, &WindowMenus::stopAnimationRequested, effects_.get(), &EffectsController::stopAnimation);
    connect(menus_, &WindowMenus::bitmapRequested, pictures_.get(), &PictureCommands::saveAsBitmap);
    connect(menus_, &WindowMenus::exportGraphRequested, pictures_.get(), &PictureCommands::exportGraph);
    connect(menus_, &WindowMenus::copyGraphRequested, pictures_.get(), &PictureCommands::copyGraph);
    connect(menus_, &WindowMenus::printRequested, pictures_.get(), &PictureCommands::print);
    connect(menus_, &WindowMenus::helpRequested, this, &MainWindow::showHelp);
    connect(menus_, &WindowMenus::aboutRequested, this, &MainWindow::showAbout);
    connect(menus_, &WindowMenus::recentRequested, this, [this](const QString& path) { openRecent(path.toStdString()); });
}

void MainWindow::startUp(const std::vector<std::string>& arguments) {
    // The random generator seeded itself from the clock, the colour slots
    // and the name table took their defaults with the document, and the
    // graph panel put the default range into the range boxes.
    evaluator_.setUp();
    const StartDocument start =
        chooseStartDocument(joinArguments(arguments), {platform_->configFolder(), platform_->programFolder()},
                            [](const std::string& p) { return QFileInfo::exists(QString::fromStdString(p)); });
    // A file that cannot be read leads to the plain start; reading it
    // changed nothing. A file the user named says why, as "&Open..." does;
    // the initialize file falls back without a word.
    if (start.path.empty()) {
        plainStart();
    } else if (const std::optional<GraphFileError> error = readIntoWindow(start.path)) {
        if (start.fromCommandLine) {
            platform_->message(userText("qv::Texts", kOpenTitle), openFailureText(start.path, *error),
                               MessageButtons::Ok, MessageIcon::Warning);
        }
        plainStart();
    } else {
        finishOpening(start.path);
        doc_.open_from_path = false;
        focusForMode();
    }
    if (!start.fromCommandLine) offerRecovery();
}

void MainWindow::offerRecovery() {
    // Claimed: while this window decides, no other window offers it too.
    const std::optional<std::string> kept = recovery_->claimLeftBehind();
    if (!kept) return;
    const MessageAnswer answer = platform_->message(
        tr("Quorvanta  -  Recover?").toStdString(),
        tr("Quorvanta was closed before your graph was saved.  Would you like to restore it?").toStdString(),
        MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageAnswer::Yes) {
        recovery_->dropClaimed();
        return;
    }
    if (const std::optional<GraphFileError> error = readIntoWindow(*kept)) {
        platform_->message(tr("Quorvanta  -  Recover?").toStdString(),
                           tr("The graph kept from the last session cannot be read: %1.")
                               .arg(QString::fromStdString(describe(*error)))
                               .toStdString(),
                           MessageButtons::Ok, MessageIcon::Warning);
        recovery_->dropClaimed();
        return;
    }
    // Restored work is work not yet in a file; its file stays until the
    // work is saved or kept again, so that a second crash loses nothing.
    recovery_->adoptClaimed();
    if (mode() == Mode::Parametric) context_.events.requestPlot();
    doc_.document_path.clear();
    refreshTitle();
    markEdited();
}

void MainWindow::plainStart() {
    context_.events.requestPlot();
    doc_.open_from_path = false;
    doc_.document_saved = true;
    refreshTitle();
    focusForMode();
}

void MainWindow::showHelp() {
    showHelpContents(*platform_, [](const std::string& p) { return QFileInfo(QString::fromStdString(p)).isFile(); });
}

void MainWindow::showAbout() {
    platform_->message(kAboutTitle, aboutText(programVersion(), buildDate()), MessageButtons::Ok,
                       MessageIcon::Information);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that the drag source is not held
    // while questions are asked.
    const std::string path = urls.front().toLocalFile().toStdString();
    QTimer::singleShot(0, this, [this, path] { openDropped(path); });
}

void MainWindow::showVisualOptions() {
    ColorOptionsDialog dialog(context_, this);
    connect(&dialog, &ColorOptionsDialog::colorsChanged, this, &MainWindow::applyColors);
    connect(&dialog, &ColorOptionsDialog::redrawRequested, &context_.events, &PanelEvents::requestPlot);
    dialog.exec();
}

void MainWindow::applyColors() {
    graph_->setReadoutColors(doc_.colors[kBackground], doc_.colors[kAxis]);
    // The picture stays in view beside every mode's panel, so it takes the
    // new colours in every mode, not only in the grapher.
    if (graph_->picture()->isVisible()) context_.events.requestPlot();
}

QImage MainWindow::renderPicture(int width, int height) {
    setMode(Mode::Parametric);
    PictureArea* picture = graph_->picture();
    picture->setFixedSize(width, height);
    if (!isVisible()) show();
    // The layout gives the picture its size before it is drawn.
    QCoreApplication::sendPostedEvents();
    layout()->activate();
    // No timer runs before the picture is taken: the view the range boxes
    // glide to (the file's, or the one a redraw's data autoscale fitted) is
    // drawn at once.
    for (int pass = 0; pass < 2; ++pass) {
        navigation_->finishTransition();
        context_.events.requestPlot();
        if (!navigation_->transitionRunning()) break;
    }
    return picture->image().copy();
}

void MainWindow::refreshTitle() {
    const TitleChoice t = documentTitle(doc_.document_path);
    if (t.clearPath) doc_.document_path.clear();
    setWindowTitle(QString::fromStdString(t.title));
}

bool MainWindow::promptToSave(PromptFor reason) {
    if (doc_.document_saved) return true;
    const MessageAnswer answer = platform_->message(
        tr(kSaveTitle).toStdString(), tr(reason == PromptFor::Exit ? kSaveBeforeExit : kSaveBeforeNew).toStdString(),
        MessageButtons::YesNoCancel, MessageIcon::Question);
    if (answer == MessageAnswer::Cancel) return false;
    // A save that did not happen (cancelled, failed) keeps the window and
    // the document as they are.
    if (answer == MessageAnswer::Yes) return saveCommand();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closingForNewGraph_ || promptToSave(PromptFor::Exit)) {
        platform_->setSetting("geometry", saveGeometry().toBase64().toStdString());
        recovery_->discard();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::newGraph() {
    if (!promptToSave(PromptFor::NewGraph)) return;
    platform_->startOwnProgram({});
    doc_.document_saved = true;
    closingForNewGraph_ = true;  // the prompt has been answered already
    close();
}

void MainWindow::newWindow() { platform_->startOwnProgram({}); }

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // Activation: the mode's focus (the default button stays), unless the
    // activation came with a click on a control, which keeps the focus it
    // took; then the title. The colour shading joins here with the effects.
    if (!clicks_->userChoseFocus()) focusForMode(false);
    refreshTitle();
    effects_->shade();
}

void MainWindow::setMode(Mode mode) {
    if (mode == context_.events.mode()) return;
    // What leaves goes first: for a moment with both shown, the window
    // would have to grow to hold them.
    const std::pair<QWidget*, bool> shown[] = {{calculator_, mode == Mode::Calculator},
                                               {list_, mode == Mode::List},
                                               {vectors_, mode == Mode::Vectors}};
    for (const auto& [panel, on] : shown) {
        if (!on) panel->hide();
    }
    fitGraphControls(mode);
    for (const auto& [panel, on] : shown) {
        if (on) panel->show();
    }
    // The menus' checks and enabling follow the announcement.
    doc_.mode = mode;
    context_.events.announceMode(mode);
    focusForMode();
    if (mode == Mode::Parametric) context_.events.requestPlot();
}

void MainWindow::fitGraphControls(Mode mode) {
    QWidget* panel = mode == Mode::Calculator ? static_cast<QWidget*>(calculator_)
                     : mode == Mode::List     ? static_cast<QWidget*>(list_)
                     : mode == Mode::Vectors  ? static_cast<QWidget*>(vectors_)
                                              : nullptr;
    if (panel == nullptr) {
        graph_->setControlsShown(true);
        return;
    }
    // What half the window leaves beside the picture, less the layout's
    // spacing: the controls and the panel share it where the panel still
    // fits, else the panel has it alone.
    const int room = width() - width() / 2 - 24;
    const int controls = graph_->controlsWidth();
    const int least = std::max(panel->minimumWidth(), panel->minimumSizeHint().width());
    const bool shown = least + controls <= room;
    const int widest = std::min(kModePanelWidth, shown ? room - controls : room);
    if (panel->maximumWidth() != widest) panel->setMaximumWidth(widest);
    graph_->setControlsShown(shown);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fitGraphControls(mode());
}

void MainWindow::focusForMode(bool moveDefault) {
    switch (mode()) {
    case Mode::Parametric:
        if (calculus_->integralShown()) {
            calculus_->focusIntegral();
            break;
        }
        if (moveDefault) defaults_->setDefaultButton(graph_->function().plot);
        graph_->firstFunctionBox()->setFocus();
        effects_->shade();
        break;
    case Mode::Calculator: calculator_->setFocus(); break;
    case Mode::List: list_->setFocus(); break;
    case Mode::Vectors: vectors_->setFocus(); break;
    }
}

}  // namespace qv
