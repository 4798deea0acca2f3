// "Create Fit" and "Test Correlation" in the window: the entry box, the
// result label, the messages, the busy pointer, and a Gaussian search
// stopped by the left mouse button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "data/ui/data_list_panel.h"
#include "data/ui/list_panel.h"
#include "document/graph_document.h"
#include "expression/number_text.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

using Items = std::vector<std::string>;

class FitCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->resize(1180, 760);
        window->show();
        window->setMode(Mode::List);
        QApplication::setActiveWindow(window.get());
        entry = window->findChild<QLineEdit*>("Text27");
        label = window->findChild<QLabel*>("Label38");
    }
    void setData(const Items& x, const Items& y) {
        window->document().data.assign(kXData, x);
        window->document().data.assign(kYData1, y);
        window->findChild<ListPanel*>()->dataList().refresh();
    }
    void choose(const char* option) { window->findChild<QRadioButton*>(option)->click(); }
    void click(const char* name) { window->findChild<QPushButton*>(name)->click(); }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    QLineEdit* entry = nullptr;
    QLabel* label = nullptr;
};

struct FitRow {
    const char* option;
    Items x, y;
    const char* entry;
    const char* label;
};

TEST_F(FitCommandsTest, EveryFitTypeFillsTheEntryBoxAndTheLabel) {
    const FitRow rows[] = {
        {"Option7", {" 1", " 2", " 3"}, {" 7", " 5", " 3"}, "-2*(z)+(9)", "Correlation =  1"},
        {"Option8", {"-1", " 0", " 1", " 2"}, {" 2", " 1", " 2", " 5"}, "1*(z)^2+(0)*(z)+(1)", "Correlation =  1"},
        {"Option9", {" 0", " 1", " 2"}, {" 1", " 2", " 4"}, "1*e^(0.693147180559945*(z))", "Correlation =  1"},
        {"Option10", {" 0", " 1", " 2", " 3"}, {" 0", " 1", " 8", " 27"}, "1*(z)^3+(0)*(z)^2+(0)*(z)+(0)",
         "Correlation =  1"},
        {"Option11", {" 1", " 2.718281828459045"}, {" 2", " 5"}, "3*ln(z)+(2)", "Correlation =  1"},
        {"Option12", {"-1", " 0", " 1"}, {" 0.367879441171442", " 1", " 0.367879441171442"}, "1*e^(-1*(0+z)^2)",
         "Correlation =  1"},
    };
    auto* functions = window->findChild<QListWidget*>("List2");
    functions->addItem("sin(z)");
    for (const FitRow& r : rows) {
        SCOPED_TRACE(r.option);
        setData(r.x, r.y);
        functions->setCurrentRow(0);
        label->setText("Sum = 1");
        choose(r.option);
        click("Command40");
        EXPECT_EQ(entry->text().toStdString(), r.entry);
        EXPECT_EQ(label->text().toStdString(), r.label);
        EXPECT_EQ(QApplication::focusWidget(), entry);
        EXPECT_TRUE(functions->selectedItems().isEmpty());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FitCommandsTest, RefusalsShowTheirMessage) {
    // An exponential of y = 0: no fit, the label stays empty.
    setData({" 1", " 2"}, {" 0", " 5"});
    label->setText("Sum = 5");
    entry->setText("z");
    choose("Option9");
    click("Command40");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Data error!");
    EXPECT_EQ(platform.messages[0].text, "No function fits this data.");
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Test Correlation with an empty box.
    entry->setText("   ");
    click("Command51");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text.rfind("Unable to check data against function.", 0), 0u);
}

TEST_F(FitCommandsTest, TestCorrelationMeasuresTheTypedFunction) {
    setData({" 1", " 2", " 3", " 4"}, {" 1", " 2", " 3", " 4"});
    entry->setText("z + 1");
    click("Command51");
    EXPECT_EQ(entry->text(), "z+1");
    EXPECT_EQ(label->text(), "Correlation =  0.2");
    EXPECT_EQ(QApplication::focusWidget(), entry);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FitCommandsTest, GaussianKeepsZeroPointsAndStopsOnTheLeftButton) {
    Items x, y;
    for (int i = 0; i <= 40; ++i) {
        const double z = -4 + 0.2 * i;
        x.push_back(strText(z));
        // Noise, so that the search has somewhere to go; one y is 0.
        y.push_back(i == 5 ? " 0" : strText(3 * std::exp(-0.4 * (z - 0.5) * (z - 0.5)) * (1 + 0.03 * std::sin(7 * i))));
    }
    setData(x, y);
    choose("Option12");
    click("Command40");
    const std::string fitted = entry->text().toStdString();
    EXPECT_NE(fitted.find("*e^("), std::string::npos) << fitted;
    EXPECT_EQ(label->text().left(14), "Correlation = ");
    // What the fit shows is what "Test Correlation" says of its function.
    const QString shownByFit = label->text();
    click("Command51");
    EXPECT_EQ(label->text(), shownByFit);
    EXPECT_EQ(window->document().data.column(kXData).size(), 41u);
    EXPECT_EQ(window->document().data.column(kYData1)[5], " 0");

    // A press of the left button while the search runs stops it; the press
    // reaches no widget.
    auto* testButton = window->findChild<QPushButton*>("Command51");
    QTimer::singleShot(0, window.get(), [&] { QTest::mousePress(testButton, Qt::LeftButton); });
    label->setText("Sum = 1");
    click("Command40");
    QTest::mouseRelease(testButton, Qt::LeftButton);
    EXPECT_EQ(entry->text(), "Data fit halted.");
    EXPECT_EQ(label->text(), "");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The text goes when the box gets the focus.
    entry->setFocus();
    EXPECT_EQ(entry->text(), "");
}

}  // namespace
}  // namespace qv
