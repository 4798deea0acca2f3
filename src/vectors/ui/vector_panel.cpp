#include "vectors/ui/vector_panel.h"

#include <QVBoxLayout>

namespace qv {

VectorPanel::VectorPanel(PanelContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName("Picture6");
    setMinimumWidth(320);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

}  // namespace qv
