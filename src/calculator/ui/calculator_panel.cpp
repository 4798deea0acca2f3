#include "calculator/ui/calculator_panel.h"

#include <QVBoxLayout>

namespace qv {

CalculatorPanel::CalculatorPanel(PanelContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName("Picture2");
    setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

}  // namespace qv
