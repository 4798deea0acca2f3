#include "output/ui/painter_canvas.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "plot/ui/picture_area.h"

namespace qv {

PainterCanvas::PainterCanvas(QPainter& painter, int widthPixels, int heightPixels, const QFont& font)
    : painter_(painter), width_(widthPixels), height_(heightPixels), font_(font) {
    // Sized in pixels, the text keeps its size in the painter's logical
    // pixels whatever the device's resolution.
    if (font_.pixelSize() <= 0) font_.setPixelSize(QFontInfo(font).pixelSize());
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setClipRect(QRectF(0, 0, width_, height_));
}

double PainterCanvas::width() const { return static_cast<double>(width_) * kTwipsPerPixel; }
double PainterCanvas::height() const { return static_cast<double>(height_) * kTwipsPerPixel; }

void PainterCanvas::clear(uint32_t color) { painter_.fillRect(QRectF(0, 0, width_, height_), packedToQColor(color)); }

void PainterCanvas::line(double x1, double y1, double x2, double y2, uint32_t color) {
    paintPictureLine(painter_, x1, y1, x2, y2, color, lineWidth_);
}

void PainterCanvas::text(double x, double y, const std::string& s) {
    paintPictureText(painter_, font_, x, y, s, textColor_);
}

double PainterCanvas::textWidth(const std::string& s) const {
    return QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(s)) * kTwipsPerPixel;
}

double PainterCanvas::textHeight() const { return QFontMetricsF(font_).height() * kTwipsPerPixel; }

void PainterCanvas::fillRect(double x, double y, double w, double h, uint32_t color) {
    paintPictureRect(painter_, x, y, w, h, color);
}

void PainterCanvas::setLineWidth(int pixels) { lineWidth_ = std::clamp(pixels, 1, 11); }

}  // namespace qv
