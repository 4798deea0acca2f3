#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

// The "Definite Integral" panel, shown over the function controls while the
// integral tool is open.
class IntegralPanel : public QFrame {
    Q_OBJECT

public:
    explicit IntegralPanel(QWidget* parent = nullptr);

    QLineEdit* xBox() const { return x_; }      // Text30
    QLineEdit* yBox() const { return y_; }      // Text31
    QLineEdit* lowerBox() const { return lower_; }  // Text33
    QLineEdit* upperBox() const { return upper_; }  // Text32
    QLabel* result() const { return result_; }  // Label46
    QPushButton* evaluateButton() const { return evaluate_; }  // Command54
    QPushButton* closeButton() const { return close_; }        // Command53

    // The first empty box in the order x(z), y(z), lower bound, else the
    // upper bound box.
    QLineEdit* firstEmptyBox() const;

private:
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLineEdit* lower_ = nullptr;
    QLineEdit* upper_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* evaluate_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace qv
