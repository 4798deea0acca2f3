#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace qv {

class CalculusCommands;
class ListFileCommands;
class NavigationController;
class PlotController;
struct PanelContext;
struct ViewSwitches;

// The user's setting that keeps the "&Refine Curves" switch: "1" or "0".
inline constexpr const char* kRefineCurvesSetting = "refineCurves";

// The window's menu bar: "&File", "&View", "&Mode", "&Calculus" and "&Help"
// with their entries, each carrying its role name as objectName. The
// entries call the commands of the controllers; their checks and enabling
// follow the controllers' state and the window's mode.
// The user's settings that keep the View switches which belong to the user,
// not to a graph file.
inline constexpr const char* kAutoTickScalesSetting = "autoTickScales";
inline constexpr const char* kEqualScalesSetting = "equalScales";
inline constexpr const char* kLegendSetting = "legend";

class WindowMenus : public QObject {
    Q_OBJECT

public:
    WindowMenus(QMainWindow& window, PanelContext& context, PlotController& plotter, NavigationController& navigation,
                CalculusCommands& calculus, ListFileCommands& listFiles);

Q_SIGNALS:
    void newGraphRequested();
    void newWindowRequested();
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    void createInitializeRequested();
    void setDefaultRangesRequested();
    void visualOptionsRequested();
    void stopAnimationRequested();
    void bitmapRequested();
    void exportGraphRequested();
    void printRequested();
    void copyGraphRequested();
    void helpRequested();
    void aboutRequested();
    void recentRequested(const QString& path);
    void exitRequested();

private:
    QMenu* addMenu(const char* title, const char* name);
    QAction* addAction(QMenu* menu, const char* text, const char* name);
    QAction* addCheck(QMenu* menu, const char* text, const char* name);
    void buildFile();
    void buildEdit();
    void buildView();
    void buildMode();
    void buildCalculus();
    // The View menu's checks as the document has them.
    void showSwitches();
    // The View menu and the calculus entries, as the mode and the calculus
    // commands allow.
    void applyEnabling();
    void buildRecent(QMenu* file);
    void keepSetting(const char* key, bool on);
    // A View switch kept in the user's settings under `key`: the document's
    // field follows it and is kept, then `changed` runs.
    QAction* addKeptSwitch(const char* text, const char* name, bool ViewSwitches::*field, const char* key,
                           const std::function<void(bool)>& changed);

public:
    // Where "Open &Recent" finds its list.
    void setRecentFiles(std::function<std::vector<std::string>()> source) { recentFiles_ = std::move(source); }

private:
    std::function<std::vector<std::string>()> recentFiles_;
    QMainWindow& window_;
    PanelContext& ctx_;
    PlotController& plotter_;
    NavigationController& navigation_;
    CalculusCommands& calculus_;
    ListFileCommands& listFiles_;
    std::array<QAction*, 5> listFileEntries_{};
    // The picture's commands, for the grapher mode only.
    std::vector<QAction*> pictureEntries_;
    QMenu* view_ = nullptr;
    QAction* hideScrolling_ = nullptr;
    QAction* smoothPlotting_ = nullptr;
    QAction* refineCurves_ = nullptr;
    QAction* autoZ_ = nullptr;
    QAction* autoTicks_ = nullptr;
    QAction* equalScales_ = nullptr;
    QAction* legend_ = nullptr;
    std::array<QAction*, 4> transformations_{};  // by AxisTransformation
    std::array<QAction*, 4> modes_{};            // by Mode
    QAction* derivative_ = nullptr;
    QAction* secondDerivative_ = nullptr;
    QAction* root_ = nullptr;
    QAction* extremum_ = nullptr;
    QAction* inflection_ = nullptr;
    QAction* intersection_ = nullptr;
    QAction* integral_ = nullptr;
};

}  // namespace qv
