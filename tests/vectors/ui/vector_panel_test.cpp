// The vector workspace in the window: typing keeps each row consistent,
// the operation row follows the lists, and assigning and zeroing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "vectors/ui/vector_panel.h"

namespace qv {
namespace {

class VectorPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->resize(1024, 720);
        window->show();
        window->setMode(Mode::Vectors);
        QApplication::setActiveWindow(window.get());
    }
    QLineEdit* box(int n) { return window->findChild<QLineEdit*>(QString("Text34(%1)").arg(n)); }
    QComboBox* list(int i) { return window->findChild<QComboBox*>(QString("Combo5(%1)").arg(i)); }
    QLabel* result(int j) { return window->findChild<QLabel*>(QString("VectorResult(%1)").arg(j)); }
    QLabel* scalar() { return window->findChild<QLabel*>("VectorScalar"); }
    // Types into a box as a user does: the focus, the whole text replaced.
    void type(int n, const char* text) {
        box(n)->setFocus();
        box(n)->selectAll();
        QTest::keyClicks(box(n), text);
    }
    std::vector<std::string> row(int k) {
        std::vector<std::string> texts;
        for (int j = 0; j < 6; ++j) texts.push_back(box(6 * k + j)->text().toStdString());
        return texts;
    }
    void choose(int i, int index) {
        list(i)->setCurrentIndex(index);
        Q_EMIT list(i)->activated(index);
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(VectorPanelTest, TypingKeepsEachRowConsistent) {
    // Entering the mode showed every vector as zero.
    EXPECT_EQ(row(0), (std::vector<std::string>{"0", "0", "0", "0", "N/A", "N/A"}));
    type(0, "3");
    type(1, "4");
    EXPECT_EQ(row(0), (std::vector<std::string>{"3", "4", "0", "5", "53.1301024", "0"}));
    // Half-typed texts change nothing; a text that is no number goes back
    // to 0 when the box is left.
    type(6, "-");
    EXPECT_EQ(row(1)[3], "0");
    type(7, "abc");
    box(8)->setFocus();
    EXPECT_EQ(box(7)->text(), "0");
    // The polar half: a magnitude typed into the zero vector B.
    type(9, "2");
    EXPECT_EQ(row(1), (std::vector<std::string>{"2", "0", "0", "2", "0", "0"}));
    // A + B, shown with its polar form.
    EXPECT_TRUE(result(0)->isVisible());
    EXPECT_EQ(result(0)->text(), "5");
    EXPECT_EQ(result(1)->text(), "4");
    EXPECT_FALSE(window->document().document_saved);
}

TEST_F(VectorPanelTest, OperationsAssignAndZero) {
    type(0, "1");
    type(7, "1");
    choose(2, 4);  // Cross
    EXPECT_EQ(result(2)->text(), "1");
    EXPECT_EQ(result(3)->text(), "1");
    EXPECT_EQ(result(5)->text(), "90");
    choose(2, 2);  // Angle
    EXPECT_FALSE(result(0)->isVisible());
    EXPECT_TRUE(scalar()->isVisible());
    EXPECT_EQ(scalar()->text(), "90");
    choose(2, 3);  // Dot
    EXPECT_EQ(scalar()->text(), "0");
    choose(1, 2);  // Angle with the zero vector C shows nothing
    choose(2, 2);
    EXPECT_FALSE(scalar()->isVisible());

    // Cross of A and B into C.
    choose(1, 1);
    choose(2, 4);
    window->findChild<QPushButton*>("Command52(0)")->click();
    EXPECT_EQ(row(2), (std::vector<std::string>{"0", "0", "1", "1", "0", "90"}));
    EXPECT_FALSE(result(0)->isVisible());

    // "Zero all Vectors": No keeps everything, Yes zeroes every box.
    platform.answerMessages({MessageAnswer::No, MessageAnswer::Yes});
    window->findChild<QPushButton*>("Command52(1)")->click();
    EXPECT_EQ(row(2)[2], "1");
    window->findChild<QPushButton*>("Command52(1)")->click();
    for (int k = 0; k < 5; ++k) EXPECT_EQ(row(k), (std::vector<std::string>{"0", "0", "0", "0", "N/A", "N/A"}));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Reset Vectors?");
    EXPECT_EQ(platform.messages[0].text, "Reset all vector values to zero?");
    EXPECT_TRUE(platform.allAnswersUsed());
}

TEST_F(VectorPanelTest, FitsTheSmallWindowWithoutCutCaptions) {
    // At 1024 x 720 every vector row and the operation row are on screen
    // in full beside the graph.
    auto* panel = window->findChild<VectorPanel*>();
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
    }
    EXPECT_LE(window->width(), 1024) << "the window grew to fit the panel";
    // With a result shown, the lowest row is the one of the two buttons.
    auto* zero = window->findChild<QPushButton*>("Command52(1)");
    ASSERT_TRUE(window->findChild<QPushButton*>("Command52(0)")->isVisible());
    const QRect last = zero->geometry().translated(zero->parentWidget()->mapTo(window.get(), QPoint(0, 0)));
    EXPECT_LE(last.bottom(), window->height()) << "the operation row is out of the window";
}

}  // namespace
}  // namespace qv
