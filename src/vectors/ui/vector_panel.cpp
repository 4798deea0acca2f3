#include "vectors/ui/vector_panel.h"

#include <QFrame>
#include <QVBoxLayout>

namespace qv {

VectorPanel::VectorPanel(PanelContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName("Picture6");
    setMinimumWidth(320);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The panel's own area, framed like the graph's, which its controls fill.
    auto* area = new QFrame(this);
    area->setObjectName("VectorsArea");
    area->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(area);
}

}  // namespace qv
