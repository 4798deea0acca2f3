#pragma once

#include <QWidget>

#include "plot/ui/picture_area.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;

namespace qv {



struct PanelContext;

// The graph area of the main window: the picture area, the function boxes
// with their z and A ranges, the view range and tick-scale boxes with the
// zoom, shift and pi buttons, the point evaluation, and the read-outs of
// the mouse position and of the evaluated point.
//
// Every control carries its given name as objectName (Text8, Command19,
// Label14, ...); handlers and tests find them by it. The panel only builds
// the controls and reports edits; the behaviour lives with the plot, the
// navigation and the point evaluation.
class GraphPanel : public QWidget {
    Q_OBJECT

public:
    explicit GraphPanel(PanelContext& ctx, QWidget* parent = nullptr);

    // The drawing surface; the plot engine's canvas takes its place.
    PictureArea* picture() const { return picture_; }
    // The function boxes and their options, as one block: the definite
    // integral panel is shown in its place while that tool is open.
    QWidget* functionControls() const { return functionControls_; }
    // The stack that holds functionControls(); the integral panel joins it
    // as a further page and is raised over the function controls.
    QStackedWidget* functionArea() const { return functionArea_; }

    QPushButton* plotButton() const { return plotButton_; }  // Command19
    QPushButton* findButton() const { return findButton_; }  // Command1
    QLineEdit* xBox() const { return xBox_; }                // Text8
    QLineEdit* yBox() const { return yBox_; }                // Text9
    QLineEdit* goToZBox() const { return goToZBox_; }        // Text5
    // The captions of the x(z) and y(z) boxes, which read th(z) and r(z)
    // in polar mode.
    QLabel* xCaption() const { return xCaption_; }
    QLabel* yCaption() const { return yCaption_; }

    // Any control of the panel by its objectName, or nullptr.
    template <typename T>
    T* control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }
    // Shows or hides the seven labels of the point evaluation ("Freeze",
    // the three captions and the three values).
    void setPointLabelsVisible(bool visible);
    QLineEdit* box(const char* name) const;
    QPushButton* button(const char* name) const;
    QLabel* label(const char* name) const;
    QCheckBox* checkBox(const char* name) const;
    QRadioButton* option(const char* name) const;

private:
    QWidget* buildReadouts();
    QWidget* buildFunctionControls();
    QGridLayout* buildExpressionGrid(QWidget* frame);
    void addCurveOptions(QWidget* frame, QVBoxLayout* rows);
    QWidget* buildPointEvaluation();
    QWidget* buildViewRange();
    QWidget* buildNavigation();
    void addRangeRow(QGridLayout* grid, int row, const char* boxName, const QString& start,
                     const char* timesPiName, const char* byPiName);
    void applyInputConventions();

    PanelContext& ctx_;
    PictureArea* picture_ = nullptr;
    QStackedWidget* functionArea_ = nullptr;
    QWidget* functionControls_ = nullptr;
    QPushButton* plotButton_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QLineEdit* xBox_ = nullptr;
    QLineEdit* yBox_ = nullptr;
    QLineEdit* goToZBox_ = nullptr;
    QLabel* xCaption_ = nullptr;
    QLabel* yCaption_ = nullptr;
};

}  // namespace qv
