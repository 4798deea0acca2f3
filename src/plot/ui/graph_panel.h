#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <utility>

#include "plot/ui/picture_area.h"
#include "ui/document_binding.h"

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

// The current function's block: its two expressions with their captions,
// the z and A ranges with their labels, the plot and stop buttons, the
// graphing mode and the curve options.
struct FunctionControls {
    QLineEdit* x = nullptr;     // Text8
    QLineEdit* y = nullptr;     // Text9
    QLabel* xCaption = nullptr;  // th(z) and r(z) in polar mode
    QLabel* yCaption = nullptr;
    QLineEdit* zMin = nullptr;  // Text6
    QLineEdit* zMax = nullptr;  // Text7
    QLineEdit* aMin = nullptr;  // Text10
    QLineEdit* aMax = nullptr;  // Text11
    QLabel* zMinLabel = nullptr;  // Label21
    QLabel* zMaxLabel = nullptr;  // Label22
    QLabel* aMinLabel = nullptr;  // Label19
    QLabel* aMaxLabel = nullptr;  // Label23
    QPushButton* plot = nullptr;  // Command19
    QPushButton* stop = nullptr;  // Command20
    QLabel* aValue = nullptr;     // Label24, the value of A while it is animated
    QRadioButton* cartesian = nullptr;  // Option1
    QRadioButton* polar = nullptr;      // Option2
    QCheckBox* derivative = nullptr;        // Check10
    QCheckBox* secondDerivative = nullptr;  // Check4
    QCheckBox* plotAll = nullptr;           // Check1
};

// "Go to z =" and the button that evaluates the functions there.
struct PointControls {
    QLineEdit* goToZ = nullptr;  // Text5
    QPushButton* find = nullptr;  // Command1
};

// The view range and tick scales with their pi buttons, the zoom and shift
// buttons and "Set to default".
struct ViewControls {
    std::array<QLineEdit*, 4> range{};    // Text1 .. Text4: x min, x max, y min, y max
    std::array<QLabel*, 4> rangeLabel{};  // Label1 .. Label4
    QLineEdit* xTick = nullptr;  // Text17
    QLineEdit* yTick = nullptr;  // Text18
    // The pi buttons beside x min, x max, y min, y max, x tick and y tick.
    std::array<QPushButton*, 6> timesPi{};  // Command3 .. Command6, Command17, Command18
    std::array<QPushButton*, 6> byPi{};     // Command43 .. Command48
    QPushButton* zoomInX = nullptr;     // Command7
    QPushButton* zoomOutX = nullptr;    // Command8
    QPushButton* zoomInY = nullptr;     // Command9
    QPushButton* zoomOutY = nullptr;    // Command10
    QPushButton* zoomInAll = nullptr;   // Command11
    QPushButton* zoomOutAll = nullptr;  // Command12
    QPushButton* setToDefault = nullptr;  // Command2
    QPushButton* up = nullptr;     // Command13
    QPushButton* right = nullptr;  // Command14
    QPushButton* down = nullptr;   // Command15
    QPushButton* left = nullptr;   // Command16
};

// The read-outs under the picture: the mouse position and the evaluated
// point.
struct Readouts {
    QLabel* mouseTitle = nullptr;   // Label13 "Mouse Coordinates"
    QLabel* mouseX = nullptr;       // Label5
    QLabel* mouseY = nullptr;       // Label7
    QLabel* mouseXValue = nullptr;  // Label6
    QLabel* mouseYValue = nullptr;  // Label8
    QLabel* freeze = nullptr;       // Label9
    QLabel* pointZ = nullptr;       // Label10
    QLabel* pointX = nullptr;       // Label11
    QLabel* pointY = nullptr;       // Label12
    QLabel* pointZValue = nullptr;  // Label14
    QLabel* pointXValue = nullptr;  // Label15
    QLabel* pointYValue = nullptr;  // Label16
};

// The graph area of the main window: the picture area, the function boxes
// with their z and A ranges, the view range and tick-scale boxes with the
// zoom, shift and pi buttons, the point evaluation, and the read-outs of
// the mouse position and of the evaluated point.
//
// Every control carries its given name as objectName (Text8, Command19,
// Label14, ...) for tests and files; the program reaches them through the
// typed groups below. The panel only builds the controls and reports edits;
// the behaviour lives with the plot, the navigation and the point
// evaluation.
class GraphPanel : public QWidget {
    Q_OBJECT

public:
    explicit GraphPanel(PanelContext& ctx, QWidget* parent = nullptr);

    // The drawing surface; the plot engine's canvas takes its place.
    PictureArea* picture() const { return picture_; }
    // The function boxes and their options, as one block: the definite
    // integral panel is shown in its place while that tool is open.
    QWidget* functionBlock() const { return functionBlock_; }
    // The stack that holds functionBlock(); the integral panel joins it
    // as a further page and is raised over the function controls.
    QStackedWidget* functionArea() const { return functionArea_; }

    const FunctionControls& function() const { return function_; }
    const PointControls& point() const { return point_; }
    const ViewControls& view() const { return view_; }
    const Readouts& readouts() const { return readouts_; }

    // The box that takes the focus in the parametric grapher: x(z) while
    // it is empty, else y(z).
    QLineEdit* firstFunctionBox() const;
    // Shows or hides the seven labels of the point evaluation ("Freeze",
    // the three captions and the three values).
    void setPointLabelsVisible(bool visible);
    // Shows or hides the column of function, range and zoom controls beside
    // the picture. The other modes show their own panel in its place, so
    // that the picture keeps its width on a small screen.
    void setControlsShown(bool shown);
    // The width the column of controls asks for.
    int controlsWidth() const;
    // Shows or hides the five labels of the mouse-coordinate display.
    void setMouseLabelsVisible(bool visible);
    // The coordinate labels in the picture's colours: its background and
    // the axis colour for the text (packed red + 256 * green + 65536 * blue).
    void setReadoutColors(uint32_t background, uint32_t text);
    // The status line under the picture: why the last redraw drew no
    // curve, or nothing.
    void setPlotStatus(const QString& text);
    QLabel* plotStatus() const { return status_; }
    // The boxes, checks and graphing mode as the document has them.
    void showDocument();
    // The document's text a box of this panel shows; null for a box that
    // shows none.
    const std::string* documentText(const QLineEdit* box) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How the read-outs are laid out for the width they have.
    enum class ReadoutArrangement : unsigned char { Stacked, ThreeRows, TwoRows };

    QWidget* buildReadouts();
    void arrangeReadouts(ReadoutArrangement arrangement);
    QWidget* buildFunctionControls();
    QGridLayout* buildExpressionGrid(QWidget* frame);
    void addCurveOptions(QWidget* frame, QVBoxLayout* rows);
    QWidget* buildPointEvaluation();
    QWidget* buildViewRange();
    QWidget* buildNavigation();
    QLineEdit* addRangeRow(QGridLayout* grid, int row, int index, const char* boxName, const QString& start,
                     const char* timesPiName, const char* byPiName);
    void applyInputConventions();
    void bindDocument();
    // The boxes and checks and the document's fields they show.
    BoundControls boundControls() const;

    PanelContext& ctx_;
    PictureArea* picture_ = nullptr;
    QWidget* controls_ = nullptr;
    QStackedWidget* functionArea_ = nullptr;
    QWidget* functionBlock_ = nullptr;
    FunctionControls function_;
    PointControls point_;
    ViewControls view_;
    Readouts readouts_;
    QWidget* readoutStrip_ = nullptr;
    QVBoxLayout* readoutRows_ = nullptr;
    QGridLayout* readoutGrid_ = nullptr;
    QLabel* status_ = nullptr;
    ReadoutArrangement readoutArrangement_ = ReadoutArrangement::Stacked;
    std::array<int, 3> readoutWidths_{};  // by ReadoutArrangement
};

}  // namespace qv
