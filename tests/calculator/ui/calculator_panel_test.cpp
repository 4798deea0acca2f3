// The calculator panel in the window: evaluation into the history, the
// operator shortcut, history mode, the special words, "Transfer Text", the
// formula lists with their headings, the user's equations, and the answer
// added to the data list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>

#include <memory>
#include <string>

#include "calculator/calculator.h"
#include "calculator/ui/calculator_panel.h"
#include "document/graph_document.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

const std::string kPrefix(kAnswerPrefix);

class CalculatorPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->show();
        window->setMode(Mode::Calculator);
        QApplication::setActiveWindow(window.get());
        panel = window->findChild<CalculatorPanel*>();
        expression = window->findChild<QLineEdit*>("Text13");
        history = window->findChild<QPlainTextEdit*>("Text12");
    }
    QLineEdit* variable(int i) { return window->findChild<QLineEdit*>(QString("Text14(%1)").arg(i)); }
    QComboBox* list(const char* name) { return window->findChild<QComboBox*>(name); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QString description() { return window->findChild<QLabel*>("Label35")->text(); }
    void evaluate(const QString& text) {
        expression->setText(text);
        button("Command21")->click();
    }
    // The history's last answer line, without its prefix.
    std::string lastAnswer() {
        const std::string text = panel->historyText();
        const std::size_t end = text.rfind("\r\n");
        const std::size_t start = text.rfind(kPrefix, end);
        return start == std::string::npos ? "" : text.substr(start + kPrefix.size(), end - start - kPrefix.size());
    }
    void choose(QComboBox* combo, const QString& entry) {
        const int i = combo->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        combo->setCurrentIndex(i);
        Q_EMIT combo->activated(i);
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    CalculatorPanel* panel = nullptr;
    QLineEdit* expression = nullptr;
    QPlainTextEdit* history = nullptr;
};

TEST_F(CalculatorPanelTest, EvaluateWritesTheQuestionAndTheAnswer) {
    evaluate("2z+1");
    // The calculator's display form keeps 2z; the evaluation reads 2*z,
    // and z, which nothing set, as 0.
    EXPECT_EQ(panel->historyText(), " 2z+1\r\n" + kPrefix + "1\r\nnote: z is not defined and reads as 0\r\n");
    EXPECT_EQ(expression->selectedText(), "2z+1");
    EXPECT_EQ(QApplication::focusWidget(), expression);
    // An operator typed over the selected text goes on from the answer.
    evaluate("0.75");
    expression->selectAll();
    QTest::keyClicks(expression, "*");
    EXPECT_EQ(expression->text(), "ans*");
    QTest::keyClicks(expression, "4");
    button("Command21")->click();
    EXPECT_EQ(lastAnswer(), "3");
    EXPECT_EQ(window->document().ans_value, Value::number(3));
    // With "Fraction" ticked, an empty box repeats the answer as a fraction.
    window->document().ans_value = Value::number(0.5);
    window->findChild<QCheckBox*>("Check12")->click();
    EXPECT_EQ(QApplication::focusWidget(), expression);
    history->clear();
    evaluate("");
    EXPECT_EQ(panel->historyText(), " \r\n" + kPrefix + "0.5\r\n" + kPrefix + "1 / 2\r\n");
    // An error keeps the answer.
    evaluate("1/0");
    EXPECT_EQ(lastAnswer(), "Error");
    EXPECT_EQ(window->document().ans_value, Value::number(0.5));
}

// What one click on "Evaluate" shows: a text the rewriting cannot restore
// stays as typed, a name read as 0 is named, an unbalanced parenthesis is
// one message, the last answer keeps every bit, and a large radical answer
// is the answer.
TEST_F(CalculatorPanelTest, EachAnswerSaysWhatItIs) {
    evaluate("sinn (2)");
    EXPECT_EQ(expression->text(), "sinn (2)");
    EXPECT_EQ(panel->historyText(), " sinn (2)\r\n" + kPrefix + "Error\r\n");

    history->clear();
    evaluate("2*w+1");
    EXPECT_EQ(panel->historyText(), " 2*w+1\r\n" + kPrefix + "1\r\nnote: w is not defined and reads as 0\r\n");

    platform.answerMessages({MessageAnswer::Ok});
    evaluate("(2+3");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Formula error!");
    EXPECT_EQ(lastAnswer(), "Error");

    window->document().ans_value = Value::number(1.0 / 3);
    evaluate("ans*3");
    EXPECT_EQ(lastAnswer(), "1");
    EXPECT_EQ(window->document().ans_value, Value::number(1));

    window->findChild<QCheckBox*>("Check6")->click();
    evaluate("100000");
    EXPECT_EQ(lastAnswer(), "100000");
    EXPECT_EQ(window->document().ans_value, Value::number(100000));
    EXPECT_TRUE(platform.allAnswersUsed()) << testing::PrintToString(platform.unexpected);
}

TEST_F(CalculatorPanelTest, HistoryModeSpecialWordsAndTransfer) {
    panel->setHistoryText(" 1+1\r\n" + kPrefix + "2\r\n3*3");
    window->findChild<QCheckBox*>("Check11")->click();
    history->setFocus();
    QTextCursor caret = history->textCursor();
    caret.movePosition(QTextCursor::End);
    history->setTextCursor(caret);
    QTest::keyClick(history, Qt::Key_Return);
    EXPECT_EQ(panel->historyText(), " 1+1\r\n" + kPrefix + "2\r\n3*3\r\n" + kPrefix + "9\r\n");

    // A special word is read from the expression box, also while the
    // history box has the focus.
    expression->setText("computers");
    history->setFocus();
    QTest::keyClick(history, Qt::Key_Return);
    const std::string text = panel->historyText();
    EXPECT_NE(text.find(" computers\r\n" + kPrefix + "\""), std::string::npos) << text;
    EXPECT_EQ(window->document().ans_value, Value::number(9));

    button("Command22")->click();
    EXPECT_EQ(history->toPlainText(), "");
    EXPECT_TRUE(description().startsWith(" 1+1\n")) << description().toStdString();
}

TEST_F(CalculatorPanelTest, FormulaListsFillTheBoxesAndShowTheirHeadingsAgain) {
    variable(5)->setText("7");
    QComboBox* misc = list("Combo1");
    misc->setFocus();
    choose(misc, "Hypotenuse");
    EXPECT_EQ(expression->text(), "sqrt(A^2+B^2)");
    EXPECT_EQ(variable(0)->text(), "A");
    EXPECT_EQ(variable(2)->text(), "B");
    EXPECT_EQ(variable(4)->text(), "");
    EXPECT_EQ(variable(5)->text(), "7");
    EXPECT_TRUE(description().startsWith("Finding the length of the Hypoenuse of a Right Triangle:\n"));
    variable(1)->setFocus();
    EXPECT_EQ(misc->currentIndex(), -1);
    EXPECT_EQ(misc->currentText(), "");
    EXPECT_EQ(misc->placeholderText(), "Miscellaneous");
    variable(1)->setText("3");
    variable(3)->setText("4");
    button("Command21")->click();
    EXPECT_EQ(lastAnswer(), "5");
    EXPECT_EQ(expression->text(), "sqrt(A^2+B^2)");
}

TEST_F(CalculatorPanelTest, UserEquationsKeepTheirLimitAndTheirRows) {
    QComboBox* own = list("Combo4");
    for (int n = 0; n < 50; ++n) {
        own->setEditText(QString("E%1").arg(n));
        expression->setText(QString("%1*x").arg(n));
        variable(0)->setText("x");
        button("Command23")->click();
    }
    EXPECT_EQ(own->count(), 50);
    EXPECT_EQ(own->currentText(), "User Defined");
    EXPECT_EQ(expression->text(), "");
    platform.answerMessages({MessageAnswer::Ok});
    button("Command23")->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Limit reached!");
    EXPECT_EQ(own->count(), 50);

    // Delete the first: the others move up with their own fields.
    choose(own, "E0");
    platform.answerMessages({MessageAnswer::Yes});
    button("Command24")->click();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text,
              "This will delete the equation titled ''E0'' on your list of custom equations.  Is this ok?");
    EXPECT_EQ(own->count(), 49);
    choose(own, "E1");
    EXPECT_EQ(expression->text(), "1*x");
    choose(own, "E11");
    EXPECT_EQ(expression->text(), "11*x");
    // Nothing chosen: nothing is asked.
    own->setCurrentIndex(-1);
    button("Command24")->click();
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(platform.allAnswersUsed()) << testing::PrintToString(platform.unexpected);
}

TEST_F(CalculatorPanelTest, AnswerGoesToTheShownDataColumn) {
    evaluate("2+2");
    QPushButton* add = button("Command36");
    EXPECT_EQ(add->text(), "Add answer to y data (1)");
    add->click();
    EXPECT_EQ(window->document().data.column(kYData1), std::vector<std::string>{" 4"});
    window->document().document_saved = true;
    window->setMode(Mode::List);
    window->findChild<QRadioButton*>("Option3")->click();
    EXPECT_EQ(add->text(), "Add answer to x data");
    add->click();
    EXPECT_EQ(window->document().data.column(kXData), std::vector<std::string>{" 4"});
    EXPECT_FALSE(window->document().document_saved);
}

}  // namespace
}  // namespace qv
