#pragma once

#include <QDialog>

#include <array>

#include "appearance/color_options.h"
#include "platform/platform.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qv {

struct PanelContext;

// "Color Options": the eleven colour slots, the picture's line width and
// the three display switches of the graph. Changes apply to the document as
// they are made; "Close" only closes.
class ColorOptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit ColorOptionsDialog(PanelContext& context, QWidget* parent = nullptr);

    // The colour of the option last chosen, as the preview shows it.
    PackedColor previewColor() const { return values_[static_cast<std::size_t>(current_)]; }

Q_SIGNALS:
    // The colour slots were set from the dialog: the window applies them.
    void colorsChanged();
    // The graph must be drawn again.
    void redrawRequested();

private:
    void choose(int option);
    void change();
    void lineSizeChanged();
    void showPreview();

    PanelContext& ctx_;
    // The option buttons' colours, in the dialog's order.
    std::array<PackedColor, kColorSlotCount> values_{};
    int current_ = 0;
    CustomColors custom_{};
    // The box's first change is the dialog filling it: it draws nothing.
    bool lineSizeChangedOnce_ = false;

    std::array<QRadioButton*, kColorSlotCount> options_{};
    QWidget* preview_ = nullptr;  // Picture1
    QPushButton* change_ = nullptr;
    QLineEdit* lineSize_ = nullptr;
    QCheckBox* tickNumbers_ = nullptr;
    QCheckBox* grid_ = nullptr;
    QCheckBox* mouseCoordinates_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace qv
