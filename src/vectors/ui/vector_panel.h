#pragma once

#include <QWidget>

namespace qv {

struct PanelContext;

// The vector workspace panel, shown in the vectors mode. Its five vectors
// and their operations come with the vector workspace itself.
class VectorPanel : public QWidget {
    Q_OBJECT

public:
    explicit VectorPanel(PanelContext& context, QWidget* parent = nullptr);

private:
    PanelContext& context_;
};

}  // namespace qv
