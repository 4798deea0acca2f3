#pragma once

#include <QWidget>

namespace qv {

struct PanelContext;

// The calculator panel, shown in the calculator mode. Its expression box,
// history and formula library come with the calculator itself.
class CalculatorPanel : public QWidget {
    Q_OBJECT

public:
    explicit CalculatorPanel(PanelContext& context, QWidget* parent = nullptr);

private:
    PanelContext& context_;
};

}  // namespace qv
