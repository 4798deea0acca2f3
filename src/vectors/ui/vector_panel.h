#pragma once

#include <QWidget>

#include <array>

#include "vectors/vector_rules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

struct PanelContext;

// The vector workspace, shown in the vectors mode: the vectors A to E, each
// in components and in polar form, kept consistent as the user types, and
// the operation row that combines two of them. The texts of the boxes are
// the document's; the rules are core (vectors/vector_rules.h).
class VectorPanel : public QWidget {
    Q_OBJECT

public:
    explicit VectorPanel(PanelContext& context, QWidget* parent = nullptr);

    // The operation, as a choice in one of its lists runs it.
    void runOperation();
    // "Assign to Vector" and "Zero all Vectors".
    void assignResult();
    void zeroAll();
    // Entering the mode (and after a file was read): the boxes show the
    // document, then the operation and the update of every vector run.
    void refresh();
    // After a file was read: the boxes show the document as it stands, and
    // the operation runs on them; no vector is updated.
    void showDocument();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildVectors();
    QWidget* buildOperation();
    void boxChanged(int n);
    // Writes the document's texts into the boxes that differ, with the
    // guard off.
    void showBoxes();
    void showResult(bool visible);
    void updateVector(int firstBox);

    PanelContext& ctx_;
    // On while the user types; off while the panel writes into the boxes.
    bool guard_ = true;
    VectorOutcome result_;

    std::array<QLineEdit*, kVectorBoxCount> boxes_{};  // Text34(0) .. Text34(29)
    std::array<QComboBox*, 4> lists_{};                // Combo5(0) .. Combo5(3)
    QLabel* scalar_ = nullptr;
    QLabel* degrees_ = nullptr;
    QWidget* resultRow_ = nullptr;
    std::array<QLabel*, 6> resultLabels_{};
    QPushButton* assign_ = nullptr;  // Command52(0)
    QPushButton* zero_ = nullptr;    // Command52(1)
};

}  // namespace qv
