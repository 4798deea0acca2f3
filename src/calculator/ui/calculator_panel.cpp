#include "calculator/ui/calculator_panel.h"

#include <QFrame>
#include <QVBoxLayout>

namespace qv {

CalculatorPanel::CalculatorPanel(PanelContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName("Picture2");
    setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The panel's own area, framed like the graph's, which its controls fill.
    auto* area = new QFrame(this);
    area->setObjectName("CalculatorArea");
    area->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(area);
}

}  // namespace qv
