// The window's whole document in and out of the graph file's value: what
// the boxes, check boxes, choices and menu checks show, and what the
// document and the panels hold beside them. The controls are found by the
// names the file's fields are known by.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "animation/ui/effects_controller.h"
#include "calculator/ui/calculator_panel.h"
#include "calculus/ui/calculus_commands.h"
#include "data/ui/data_list_panel.h"
#include "data/ui/list_panel.h"
#include "expression/number_text.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/picture_mouse.h"
#include "plot/ui/plot_controller.h"
#include "shell/ui/main_window.h"
#include "vectors/ui/vector_panel.h"

namespace qv {

namespace {

// Names of the controls, in the order of the file's fields.
const char* const kRangeBoxes[4] = {"Text1", "Text2", "Text3", "Text4"};
const char* const kMenuChecks[7] = {"hideplot", "SmoothPlot", "AutoZ", "Logx", "Logy", "x_invert", "y_invert"};
// "Plot all functions as y(z)", "Plot Data", "Autoscale", "Factor of pi",
// "Radical", "Fraction", "Connect", "Plot Derivative", "2nd Derivative".
const char* const kChecks[9] = {"Check1", "Check2", "Check3", "Check5", "Check6",
                                "Check12", "Check7", "Check10", "Check4"};
const char* const kColumnChoices[4] = {"Option3", "Option4", "Option5", "Option6"};
const char* const kFitCaptions[6] = {"Linear", "Quadratic", "Cubic", "Exponential", "Logarithmic", "Gaussian"};
const char* const kIntegralBoxes[4] = {"Text30", "Text31", "Text32", "Text33"};
const char* const kModeActions[4] = {"ParametricGrapher", "Calculator", "List", "Vectors"};
const Mode kModes[4] = {Mode::Parametric, Mode::Calculator, Mode::List, Mode::Vectors};

QString qText(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

template <class Control>
Control* MainWindow::control(const char* name) const {
    auto* found = findChild<Control*>(QString::fromLatin1(name));
    Q_ASSERT_X(found != nullptr, "MainWindow::control", name);
    return found;
}

std::string MainWindow::boxText(const char* name) const {
    if (auto* box = control<QLineEdit>(name)) return box->text().toStdString();
    return {};
}

void MainWindow::setBoxText(const char* name, const std::string& text) {
    if (auto* box = control<QLineEdit>(name)) box->setText(qText(text));
}

int MainWindow::checkValue(const char* name) const {
    auto* box = control<QCheckBox>(name);
    return box == nullptr ? 0 : static_cast<int>(box->checkState());
}

void MainWindow::setCheckValue(const char* name, int value) {
    if (auto* box = control<QCheckBox>(name)) box->setCheckState(static_cast<Qt::CheckState>(value));
}

bool MainWindow::menuChecked(const char* name) const {
    auto* action = control<QAction>(name);
    return action != nullptr && action->isChecked();
}

QRadioButton* MainWindow::fitChoice(int type) const {
    for (auto* option : list_->dataList().findChildren<QRadioButton*>()) {
        if (option->text() == QLatin1String(kFitCaptions[type])) return option;
    }
    return nullptr;
}

GraphFile MainWindow::gatherFile() const {
    GraphFile f;
    f.file_marker = doc_.file_marker;
    f.default_ranges = {doc_.default_x_min, doc_.default_x_max, doc_.default_y_min, doc_.default_y_max};
    for (std::size_t i = 0; i < f.colors.size(); ++i) f.colors[i] = doc_.colors[i];
    f.line_width = doc_.line_width;
    f.show_tick_numbers = doc_.show_tick_numbers;
    f.show_grid = doc_.show_grid;
    f.show_mouse_coordinates = doc_.show_mouse_coordinates;
    for (std::size_t i = 0; i < f.menu_checks.size(); ++i) f.menu_checks[i] = menuChecked(kMenuChecks[i]);
    for (std::size_t i = 0; i < f.checks.size(); ++i) f.checks[i] = checkValue(kChecks[i]);
    for (std::size_t i = 0; i < f.column_choices.size(); ++i) {
        f.column_choices[i] = control<QRadioButton>(kColumnChoices[i])->isChecked();
    }
    for (std::size_t i = 0; i < f.range_boxes.size(); ++i) f.range_boxes[i] = boxText(kRangeBoxes[i]);
    f.go_to_z = boxText("Text5");
    f.z_min = boxText("Text6");
    f.z_max = boxText("Text7");
    f.x_of_z = boxText("Text8");
    f.y_of_z = boxText("Text9");
    f.a_min = boxText("Text10");
    f.a_max = boxText("Text11");
    f.cartesian = control<QRadioButton>("Option1")->isChecked();
    f.polar = control<QRadioButton>("Option2")->isChecked();
    f.calculator_entry = boxText("Text13");
    for (std::size_t i = 0; i < f.formula_values.size(); ++i) {
        f.formula_values[i] = boxText(QStringLiteral("Text14(%1)").arg(i).toLatin1().constData());
    }
    f.calculate_from_history = checkValue("Check11");
    f.description = calculator_->description();
    f.history = calculator_->historyText();
    for (const CustomEquation& e : calculator_->customEquations().equations()) {
        f.equations.push_back({e.title, e.description, e.equation, e.names[0], e.names[1], e.names[2], e.names[3],
                               e.names[4]});
    }
    for (int c = 0; c < kDataColumnCount; ++c) f.columns[static_cast<std::size_t>(c)] = doc_.data.column(c);
    f.functions = doc_.functions.entries();
    f.x_tick_scale = boxText("Text17");
    f.y_tick_scale = boxText("Text18");
    for (int t = 0; t < 6; ++t) {
        const QRadioButton* option = fitChoice(t);
        f.fit_types[static_cast<std::size_t>(t)] = option != nullptr && option->isChecked();
    }
    f.data_entry = boxText("Text26");
    f.function_entry = boxText("Text27");
    f.moving_average_size = boxText("Text28");
    f.neighbours = boxText("Text29");
    f.moving_average = checkValue("Check8");
    f.smooth = checkValue("Check9");
    f.statistics_result = control<QLabel>("Label38")->text().toStdString();
    for (std::size_t i = 0; i < f.integral_boxes.size(); ++i) f.integral_boxes[i] = boxText(kIntegralBoxes[i]);
    f.coordinates_in_pi.assign(1, mouse_->piDisplay() ? '1' : '0');
    // Every bit of the answer: "ans" after opening the file is the same number.
    f.ans = doc_.ans_value.isNumber() ? roundTripText(doc_.ans_value.num) : valueText(doc_.ans_value);
    f.vector_boxes = doc_.vector_boxes;
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("Combo5(%1)").arg(i);
        f.vector_selections[static_cast<std::size_t>(i)] = findChild<QComboBox*>(name)->currentIndex();
    }
    f.integral_shown = calculus_->integralShown();
    for (std::size_t i = 0; i < f.modes.size(); ++i) f.modes[i] = mode() == kModes[i];
    return f;
}

void MainWindow::applyFile(const GraphFile& f) {
    // The lists start empty; the old document's changes cannot be undone
    // into the new one.
    undo_.clear();
    calculator_->customEquations().assign({});
    calculator_->refreshCustomEquations();
    list_->setEntries({});
    for (int c = 0; c < kDataColumnCount; ++c) doc_.data.assign(c, {});

    doc_.file_marker = f.file_marker;
    effects_->shade();
    doc_.default_x_min = f.default_ranges[0];
    doc_.default_x_max = f.default_ranges[1];
    doc_.default_y_min = f.default_ranges[2];
    doc_.default_y_max = f.default_ranges[3];
    for (std::size_t i = 0; i < f.colors.size(); ++i) doc_.colors[i] = static_cast<PackedColor>(f.colors[i]);
    doc_.line_width = f.line_width;
    doc_.show_tick_numbers = f.show_tick_numbers;
    doc_.show_grid = f.show_grid;
    doc_.show_mouse_coordinates = f.show_mouse_coordinates;
    graph_->setReadoutColors(doc_.colors[kBackground], doc_.colors[kAxis]);
    for (std::size_t i = 0; i < f.menu_checks.size(); ++i) {
        if (auto* action = control<QAction>(kMenuChecks[i])) action->setChecked(f.menu_checks[i]);
    }
    plotter_->restoreViewSwitches(f.menu_checks);
    for (std::size_t i = 0; i < f.checks.size(); ++i) setCheckValue(kChecks[i], f.checks[i]);
    for (std::size_t i = 0; i < f.column_choices.size(); ++i) {
        if (f.column_choices[i]) list_->dataList().selectColumn(static_cast<int>(i));
    }
    for (std::size_t i = 0; i < f.range_boxes.size(); ++i) setBoxText(kRangeBoxes[i], f.range_boxes[i]);
    setBoxText("Text5", f.go_to_z);
    setBoxText("Text6", f.z_min);
    setBoxText("Text7", f.z_max);
    setBoxText("Text8", f.x_of_z);
    setBoxText("Text9", f.y_of_z);
    setBoxText("Text10", f.a_min);
    setBoxText("Text11", f.a_max);
    // As a click does, so that the graphing mode's handler runs.
    for (const auto& [name, on] : {std::pair{"Option1", f.cartesian}, std::pair{"Option2", f.polar}}) {
        if (auto* option = control<QRadioButton>(name); on && !option->isChecked()) option->click();
    }
    setBoxText("Text13", f.calculator_entry);
    for (std::size_t i = 0; i < f.formula_values.size(); ++i) {
        setBoxText(QStringLiteral("Text14(%1)").arg(i).toLatin1().constData(), f.formula_values[i]);
    }
    setCheckValue("Check11", f.calculate_from_history);
    calculator_->setDescription(f.description);
    calculator_->setHistoryText(f.history);
    std::vector<CustomEquation> equations;
    for (const auto& e : f.equations) equations.push_back({e[0], e[1], e[2], {e[3], e[4], e[5], e[6], e[7]}});
    calculator_->customEquations().assign(std::move(equations));
    calculator_->refreshCustomEquations();
    for (int c = 0; c < kDataColumnCount; ++c) doc_.data.assign(c, f.columns[static_cast<std::size_t>(c)]);
    list_->dataList().refresh();
    list_->setEntries(f.functions);
    setBoxText("Text17", f.x_tick_scale);
    setBoxText("Text18", f.y_tick_scale);
    for (int t = 0; t < 6; ++t) {
        if (QRadioButton* option = fitChoice(t); option != nullptr && f.fit_types[static_cast<std::size_t>(t)]) {
            option->setChecked(true);
        }
    }
    setBoxText("Text26", f.data_entry);
    setBoxText("Text27", f.function_entry);
    if (calculus_->integralShown()) calculus_->closeIntegral();
    setBoxText("Text28", f.moving_average_size);
    setBoxText("Text29", f.neighbours);
    setCheckValue("Check8", f.moving_average);
    setCheckValue("Check9", f.smooth);
    list_->dataList().showResult(f.statistics_result);
    for (std::size_t i = 0; i < f.integral_boxes.size(); ++i) setBoxText(kIntegralBoxes[i], f.integral_boxes[i]);
    mouse_->setPiDisplay(f.coordinates_in_pi == "1");
    const std::optional<double> ans = isNumeric(f.ans) ? toNumber(f.ans) : std::nullopt;
    doc_.ans_value = ans ? Value::number(*ans) : Value::string(f.ans);
    doc_.vector_boxes = f.vector_boxes;
    for (int i = 0; i < 4; ++i) {
        findChild<QComboBox*>(QStringLiteral("Combo5(%1)").arg(i))->setCurrentIndex(f.vector_selections[static_cast<std::size_t>(i)]);
    }
    vectors_->showDocument();
    if (f.integral_shown) calculus_->toggleIntegral();
    for (std::size_t i = 0; i < f.modes.size(); ++i) {
        if (f.modes[i]) setMode(kModes[i]);
    }
    if (mode() == Mode::List) doc_.autoscale = static_cast<int16_t>(checkValue("Check3"));
    doc_.full_replot = true;
}

}  // namespace qv
