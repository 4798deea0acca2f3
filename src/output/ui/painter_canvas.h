#pragma once

#include <QFont>

#include "draw/canvas.h"

class QPainter;

namespace qv {

// A canvas on any painter: an SVG or PDF generator, a printer page. It has
// the size of the picture it stands for, in logical pixels; the painter's
// own transformation takes them to the device, so lines and text stay
// sharp at the device's resolution. Lines and text are drawn as the picture
// area draws them.
class PainterCanvas : public Canvas {
public:
    PainterCanvas(QPainter& painter, int widthPixels, int heightPixels, const QFont& font);

    double width() const override;
    double height() const override;
    void clear(uint32_t color) override;
    void line(double x1, double y1, double x2, double y2, uint32_t color) override;
    void text(double x, double y, const std::string& s) override;
    double textWidth(const std::string& s) const override;
    double textHeight() const override;
    void fillRect(double x, double y, double w, double h, uint32_t color) override;
    void setLineWidth(int pixels) override;
    int lineWidth() const override { return lineWidth_; }
    void setTextColor(uint32_t color) override { textColor_ = color; }

private:
    QPainter& painter_;
    int width_, height_;
    QFont font_;
    int lineWidth_ = 1;
    uint32_t textColor_ = 0;
};

}  // namespace qv
