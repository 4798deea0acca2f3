#include "shell/ui/window_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "calculus/ui/calculus_commands.h"
#include "data/ui/list_file_commands.h"
#include "document/graph_document.h"
#include "plot/ui/navigation_controller.h"
#include "platform/platform.h"
#include "plot/ui/plot_controller.h"
#include "ui/panel_context.h"

namespace qv {

WindowMenus::WindowMenus(QMainWindow& window, PanelContext& context, PlotController& plotter,
                         NavigationController& navigation, CalculusCommands& calculus, ListFileCommands& listFiles)
    : QObject(&window), window_(window), ctx_(context), plotter_(plotter), navigation_(navigation),
      calculus_(calculus), listFiles_(listFiles) {
    buildFile();
    buildEdit();
    buildView();
    buildMode();
    buildCalculus();
    // Not one of the menus whose opening the picture's mouse handler hears of.
    QMenu* help = window_.menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help");
    QAction* contents = addAction(help, QT_TR_NOOP("Help &Contents"), "HelpContents");
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, &WindowMenus::helpRequested);
    connect(addAction(help, QT_TR_NOOP("&About Quorvanta..."), "About"), &QAction::triggered, this,
            &WindowMenus::aboutRequested);
    connect(&plotter_, &PlotController::optionsChanged, this, &WindowMenus::showSwitches);
    connect(&calculus_, &CalculusCommands::enablingChanged, this, &WindowMenus::applyEnabling);
    connect(&ctx_.events, &PanelEvents::modeChanged, this, [this](Mode mode) {
        modes_[static_cast<size_t>(mode)]->setChecked(true);
        applyEnabling();
    });
    applyEnabling();
}

// "Open &Recent": the recent files as they are when the menu opens.
void WindowMenus::buildRecent(QMenu* file) {
    QMenu* recent = file->addMenu(tr("Open &Recent"));
    recent->setObjectName("RecentFiles");
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const std::vector<std::string> paths = recentFiles_ ? recentFiles_() : std::vector<std::string>();
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const QString path = QString::fromStdString(paths[i]);
            QAction* entry = recent->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(path));
            connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT recentRequested(path); });
        }
        if (paths.empty()) recent->addAction(tr("No recent files"))->setEnabled(false);
    });
}

QMenu* WindowMenus::addMenu(const char* title, const char* name) {
    QMenu* menu = window_.menuBar()->addMenu(tr(title));
    menu->setObjectName(name);
    // Opening one of these menus tells the graph's mouse handler that the
    // move it may see next belongs to the menu.
    connect(menu, &QMenu::aboutToShow, this, [this] { ctx_.doc->menu_opened = true; });
    return menu;
}

QAction* WindowMenus::addAction(QMenu* menu, const char* text, const char* name) {
    QAction* action = menu->addAction(tr(text));
    action->setObjectName(name);
    return action;
}

QAction* WindowMenus::addCheck(QMenu* menu, const char* text, const char* name) {
    QAction* action = addAction(menu, text, name);
    action->setCheckable(true);
    return action;
}

void WindowMenus::buildFile() {
    QMenu* file = addMenu(QT_TR_NOOP("&File"), "File");
    QAction* newGraph = addAction(file, QT_TR_NOOP("&New Graph"), "NewGraph");
    newGraph->setShortcut(QKeySequence::New);
    connect(newGraph, &QAction::triggered, this, &WindowMenus::newGraphRequested);
    connect(addAction(file, QT_TR_NOOP("New &Window"), "NewWindow"), &QAction::triggered, this,
            &WindowMenus::newWindowRequested);
    file->addSeparator();
    const struct {
        const char* text;
        const char* name;
        QKeySequence keys;
        void (WindowMenus::*request)();
    } documents[] = {
        {QT_TR_NOOP("&Open..."), "Open", QKeySequence::Open, &WindowMenus::openRequested},
        {QT_TR_NOOP("Sa&ve"), "Save", QKeySequence::Save, &WindowMenus::saveRequested},
        {QT_TR_NOOP("Sav&e As..."), "SaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         &WindowMenus::saveAsRequested},
    };
    for (const auto& d : documents) {
        QAction* entry = addAction(file, d.text, d.name);
        entry->setShortcut(d.keys);
        connect(entry, &QAction::triggered, this, d.request);
        if (d.request == &WindowMenus::openRequested) buildRecent(file);
    }
    file->addSeparator();
    const struct {
        const char* text;
        const char* name;
        void (WindowMenus::*request)();
    } pictures[] = {
        {QT_TR_NOOP("Save As &Bitmap..."), "Bitmap", &WindowMenus::bitmapRequested},
        {QT_TR_NOOP("Export &Graph..."), "ExportGraph", &WindowMenus::exportGraphRequested},
        {QT_TR_NOOP("&Print..."), "PrintMe", &WindowMenus::printRequested},
    };
    for (const auto& p : pictures) {
        QAction* entry = addAction(file, p.text, p.name);
        connect(entry, &QAction::triggered, this, p.request);
        pictureEntries_.push_back(entry);
    }
    pictureEntries_.back()->setShortcut(QKeySequence::Print);
    file->addSeparator();
    connect(addAction(file, QT_TR_NOOP("Create Initialize File..."), "CreateInit"), &QAction::triggered, this,
            &WindowMenus::createInitializeRequested);
    connect(addAction(file, QT_TR_NOOP("Set Default Ranges..."), "SetDefaultRanges"), &QAction::triggered, this,
            &WindowMenus::setDefaultRangesRequested);
    file->addSeparator();
    // The data list's files, on its shown column.
    ListFileCommands& l = listFiles_;
    listFileEntries_[0] = addAction(file, QT_TR_NOOP("&Import List..."), "Import");
    connect(listFileEntries_[0], &QAction::triggered, &l, &ListFileCommands::importList);
    const struct {
        const char* text;
        const char* name;
        ExportMode mode;
    } exports[] = {
        {QT_TR_NOOP("&Export List..."), "Export", ExportMode::Normal},
        {QT_TR_NOOP("Export Log( ) of List..."), "ExportLog", ExportMode::Log},
        {QT_TR_NOOP("Export Inverse of List..."), "ExportInverse", ExportMode::Inverse},
        {QT_TR_NOOP("Export List-Function &Difference..."), "Difference", ExportMode::Difference},
    };
    for (size_t i = 0; i < std::size(exports); ++i) {
        QAction* entry = addAction(file, exports[i].text, exports[i].name);
        connect(entry, &QAction::triggered, &l, [&l, mode = exports[i].mode] { l.exportList(mode); });
        listFileEntries_[i + 1] = entry;
    }
    file->addSeparator();
    QAction* exit = addAction(file, QT_TR_NOOP("E&xit"), "Exit");
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &WindowMenus::exitRequested);
}

// Undo and redo of the changes to the data columns and the function list.
// A box with the focus takes Ctrl+Z for its own typing first.
void WindowMenus::buildEdit() {
    QMenu* edit = addMenu(QT_TR_NOOP("&Edit"), "Edit");
    QAction* copy = addAction(edit, QT_TR_NOOP("&Copy Graph"), "CopyGraph");
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &WindowMenus::copyGraphRequested);
    pictureEntries_.push_back(copy);
    edit->addSeparator();
    if (ctx_.undo == nullptr) return;
    QAction* undo = ctx_.undo->createUndoAction(edit, tr("&Undo"));
    undo->setObjectName("Undo");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = ctx_.undo->createRedoAction(edit, tr("&Redo"));
    redo->setObjectName("Redo");
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addAction(undo);
    edit->addAction(redo);
}

void WindowMenus::buildView() {
    view_ = addMenu(QT_TR_NOOP("&View"), "View");
    QAction* plot = addAction(view_, QT_TR_NOOP("&Plot"), "Plot_");
    plot->setShortcut(QKeySequence::Refresh);
    connect(plot, &QAction::triggered, &plotter_, &PlotController::plotLine);
    view_->addSeparator();
    hideScrolling_ = addCheck(view_, QT_TR_NOOP("&Hide Scrolling Plot"), "hideplot");
    connect(hideScrolling_, &QAction::triggered, &plotter_, &PlotController::setHideScrollingPlot);
    smoothPlotting_ = addCheck(view_, QT_TR_NOOP("&Smooth Plotting"), "SmoothPlot");
    connect(smoothPlotting_, &QAction::triggered, &plotter_, &PlotController::setSmoothPlotting);
    const auto redraw = [this](bool) { plotter_.plot(); };
    refineCurves_ = addKeptSwitch(QT_TR_NOOP("&Refine Curves"), "RefineCurves", &ViewSwitches::refine_curves,
                                  kRefineCurvesSetting, redraw);
    autoZ_ = addCheck(view_, QT_TR_NOOP("&Auto z Range"), "AutoZ");
    connect(autoZ_, &QAction::triggered, &plotter_, &PlotController::setAutoZRange);
    equalScales_ = addKeptSwitch(QT_TR_NOOP("&Equal Scales"), "EqualScales", &ViewSwitches::equal_scales,
                                 kEqualScalesSetting, [this](bool on) { navigation_.setEqualScales(on); });
    autoTicks_ = addKeptSwitch(QT_TR_NOOP("&Automatic Tick Scales"), "AutoTickScales", &ViewSwitches::auto_tick_scales,
                               kAutoTickScalesSetting, [this](bool on) {
                                   if (on) plotter_.plot();
                               });
    legend_ = addKeptSwitch(QT_TR_NOOP("&Legend"), "Legend", &ViewSwitches::legend, kLegendSetting, redraw);
    view_->addSeparator();
    const struct {
        const char* text;
        const char* name;
        AxisTransformation which;
    } transformations[] = {
        {QT_TR_NOOP("Log x-axis"), "Logx", AxisTransformation::LogX},
        {QT_TR_NOOP("Log y-axis"), "Logy", AxisTransformation::LogY},
        {QT_TR_NOOP("1 / x-axis"), "x_invert", AxisTransformation::InvertX},
        {QT_TR_NOOP("1 / y-axis"), "y_invert", AxisTransformation::InvertY},
    };
    for (const auto& t : transformations) {
        QAction* entry = addCheck(view_, t.text, t.name);
        transformations_[static_cast<size_t>(t.which)] = entry;
        connect(entry, &QAction::triggered, this, [this, which = t.which](bool on) { plotter_.setTransformation(which, on); });
    }
    view_->addSeparator();
    NavigationController& n = navigation_;
    connect(addAction(view_, QT_TR_NOOP("Set to Default"), "SettoDefault"), &QAction::triggered, &n,
            &NavigationController::setToDefault);
    QAction* zoomIn = addAction(view_, QT_TR_NOOP("Zoom &In"), "ZoomIn");
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    connect(zoomIn, &QAction::triggered, &n, [&n] { n.zoom(true, true, true); });
    QAction* zoomOut = addAction(view_, QT_TR_NOOP("Zoom &Out"), "ZoomOut");
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, &n, [&n] { n.zoom(false, true, true); });
    connect(addAction(view_, QT_TR_NOOP("Shift Graph &Left"), "ShiftGraphLeft"), &QAction::triggered, &n,
            [&n] { n.shift(-1, 0); });
    connect(addAction(view_, QT_TR_NOOP("Shift Graph &Right"), "ShiftGraphRight"), &QAction::triggered, &n,
            [&n] { n.shift(1, 0); });
    connect(addAction(view_, QT_TR_NOOP("Shift Graph &Up"), "ShiftGraphUp"), &QAction::triggered, &n,
            [&n] { n.shift(0, 1); });
    connect(addAction(view_, QT_TR_NOOP("Shift Graph &Down"), "ShiftGraphDown"), &QAction::triggered, &n,
            [&n] { n.shift(0, -1); });
    view_->addSeparator();
    connect(addAction(view_, QT_TR_NOOP("Stop &Animation"), "StopAnimation"), &QAction::triggered, this,
            &WindowMenus::stopAnimationRequested);
    connect(addAction(view_, QT_TR_NOOP("More &Visual Options..."), "Options"), &QAction::triggered, this,
            &WindowMenus::visualOptionsRequested);
}

void WindowMenus::buildMode() {
    QMenu* mode = addMenu(QT_TR_NOOP("&Mode"), "Mode");
    auto* group = new QActionGroup(this);
    const struct {
        const char* text;
        const char* name;
        Mode mode;
    } modes[] = {
        {QT_TR_NOOP("&Parametric Grapher"), "ParametricGrapher", Mode::Parametric},
        {QT_TR_NOOP("&Calculator"), "Calculator", Mode::Calculator},
        {QT_TR_NOOP("&List"), "List", Mode::List},
        {QT_TR_NOOP("&Vectors"), "Vectors", Mode::Vectors},
    };
    for (const auto& m : modes) {
        QAction* action = addCheck(mode, m.text, m.name);
        // Ctrl+1 to Ctrl+4, in the menu's order.
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(m.mode))));
        action->setActionGroup(group);
        modes_[static_cast<size_t>(m.mode)] = action;
        connect(action, &QAction::triggered, this, [this, m = m.mode] { ctx_.events.requestMode(m); });
    }
    modes_[static_cast<size_t>(ctx_.events.mode())]->setChecked(true);
}

void WindowMenus::buildCalculus() {
    QMenu* calculus = addMenu(QT_TR_NOOP("&Calculus"), "Calculus");
    CalculusCommands& c = calculus_;
    auto addSearch = [&](const char* text, const char* name, SearchKind kind) {
        QAction* a = addAction(calculus, text, name);
        connect(a, &QAction::triggered, &c, [&c, kind] { c.search(kind); });
        return a;
    };
    root_ = addSearch(QT_TR_NOOP("Find &Root"), "Root", SearchKind::Root);
    extremum_ = addSearch(QT_TR_NOOP("Find Local &Extremum"), "Extrema", SearchKind::Extremum);
    inflection_ = addSearch(QT_TR_NOOP("Find Inflection &Point"), "Inflection_Point", SearchKind::Inflection);
    intersection_ = addSearch(QT_TR_NOOP("&Find Intersection"), "Intersection", SearchKind::Intersection);
    calculus->addSeparator();
    derivative_ = addAction(calculus, QT_TR_NOOP("Evaluate &Derivative"), "Derivative");
    connect(derivative_, &QAction::triggered, &c, [&c] { c.evaluateDerivative(false); });
    secondDerivative_ = addAction(calculus, QT_TR_NOOP("Evaluate &Second Derivative"), "Second_Derivative");
    connect(secondDerivative_, &QAction::triggered, &c, [&c] { c.evaluateDerivative(true); });
    integral_ = addCheck(calculus, QT_TR_NOOP("Evaluate &Integral..."), "Integral");
    connect(integral_, &QAction::triggered, this, [this] {
        calculus_.toggleIntegral();
        // The check mark follows the panel, not the click.
        integral_->setChecked(calculus_.integralShown());
    });
}

QAction* WindowMenus::addKeptSwitch(const char* text, const char* name, bool ViewSwitches::*field, const char* key,
                                    const std::function<void(bool)>& changed) {
    QAction* action = addCheck(view_, text, name);
    action->setChecked(ctx_.doc->view.*field);
    connect(action, &QAction::triggered, this, [this, field, key, changed](bool on) {
        ctx_.doc->view.*field = on;
        keepSetting(key, on);
        changed(on);
    });
    return action;
}

void WindowMenus::keepSetting(const char* key, bool on) {
    if (ctx_.platform != nullptr) ctx_.platform->setSetting(key, on ? "1" : "0");
}

void WindowMenus::showSwitches() {
    const ViewSwitches& v = ctx_.doc->view;
    hideScrolling_->setChecked(v.hide_scrolling_plot);
    smoothPlotting_->setChecked(v.smooth_plotting);
    refineCurves_->setChecked(v.refine_curves);
    autoZ_->setChecked(v.auto_z_range);
    autoTicks_->setChecked(v.auto_tick_scales);
    equalScales_->setChecked(v.equal_scales);
    legend_->setChecked(v.legend);
    for (size_t i = 0; i < transformations_.size(); ++i) {
        transformations_[i]->setChecked(plotter_.transformation(static_cast<AxisTransformation>(i)));
    }
}

void WindowMenus::applyEnabling() {
    const CalculusEnabling e = calculus_.enabling();
    const bool view = ctx_.events.parametric() && !e.integralShown;
    view_->setEnabled(view);
    view_->menuAction()->setEnabled(view);
    derivative_->setEnabled(e.derivative);
    secondDerivative_->setEnabled(e.secondDerivative);
    root_->setEnabled(e.root);
    extremum_->setEnabled(e.extremum);
    inflection_->setEnabled(e.inflection);
    intersection_->setEnabled(e.intersection);
    integral_->setEnabled(e.integral);
    integral_->setChecked(e.integralShown);
    for (QAction* entry : listFileEntries_) entry->setEnabled(ctx_.events.mode() == Mode::List);
    for (QAction* entry : pictureEntries_) entry->setEnabled(ctx_.events.mode() == Mode::Parametric);
}

}  // namespace qv
