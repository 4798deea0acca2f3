#pragma once

#include <QWidget>

#include <array>
#include <string>

#include "calculator/custom_equations.h"
#include "calculator/formula_library.h"
#include "ui/document_binding.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class DescriptionLabel;
struct PanelContext;

// The calculator mode's panel: the history of questions and answers, the
// expression box with "Evaluate", the answer forms, the five variables, and
// the formula library with the user's own equations. The evaluation itself
// is core (calculator/calculator.h); the panel gathers its boxes, calls it
// and writes the outcome back.
class CalculatorPanel : public QWidget {
    Q_OBJECT

public:
    explicit CalculatorPanel(PanelContext& context, QWidget* parent = nullptr);

    // "Evaluate".
    void evaluate();
    // "Transfer Text": the history becomes the description.
    void transferText();
    // "Create Equation" and "Delete Equation".
    void createEquation();
    void deleteEquation();

    // The history text with CR LF line ends, as it is stored.
    std::string historyText() const;
    void setHistoryText(const std::string& text);
    // The description label's text, CR LF line ends.
    std::string description() const;
    void setDescription(const std::string& text);

    const CustomEquations& customEquations() const { return equations_; }
    // The "User Defined" list shows the equations again.
    void refreshCustomEquations();
    // The variable values lose their blanks (before a file is opened or
    // saved under a new name).
    void dropVariableBlanks();
    // Every box, check, text and equation as the document has them.
    void showDocument();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCalculator();
    QWidget* buildLibrary();
    void connectControls();
    void bindDocument();
    BoundControls boundControls() const;
    void applyFill(const FormulaFill& fill);
    void formulaChosen(FormulaList list, const QString& entry);
    void customChosen(int index);
    void showHeading(QComboBox* combo);
    void appendToHistory(const std::string& text);
    void finishEvaluation();
    QString typedTitle() const;

    PanelContext& ctx_;
    CustomEquations equations_;

    QPlainTextEdit* history_ = nullptr;     // Text12
    QLineEdit* expression_ = nullptr;       // Text13
    QPushButton* evaluate_ = nullptr;       // Command21
    QPushButton* transfer_ = nullptr;       // Command22
    DescriptionLabel* description_ = nullptr;  // Label35
    std::array<QLineEdit*, 10> variables_{};   // Text14(0) .. Text14(9)
    QCheckBox* pi_ = nullptr;               // Check5 "Factor of pi"
    QCheckBox* radical_ = nullptr;          // Check6 "Radical"
    QCheckBox* fromHistory_ = nullptr;      // Check11 "Calculate from history box"
    QCheckBox* fraction_ = nullptr;         // Check12 "Fraction"
    QPushButton* addAnswer_ = nullptr;      // Command36
    std::array<QComboBox*, 4> lists_{};     // Combo1 .. Combo4
    QPushButton* create_ = nullptr;         // Command23
    QPushButton* delete_ = nullptr;         // Command24
};

}  // namespace qv
