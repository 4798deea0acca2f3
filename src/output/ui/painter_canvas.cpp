#include "output/ui/painter_canvas.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "plot/ui/picture_area.h"

namespace qv {

namespace {

double toPixels(double twips) { return std::clamp(twips / kTwipsPerPixel, -1.0e6, 1.0e6); }

}  // namespace

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
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    painter_.setPen(QPen(packedToQColor(color), lineWidth_, Qt::SolidLine, Qt::RoundCap));
    // As on the picture: a line along an axis lies in the middle of its
    // pixel row or column.
    const double centre = lineWidth_ % 2 == 1 ? 0.5 : 0.0;
    QPointF a(toPixels(x1) + 0.5, toPixels(y1) + 0.5);
    QPointF b(toPixels(x2) + 0.5, toPixels(y2) + 0.5);
    auto snap = [centre](double v) { return std::floor(v) + centre; };
    if (a.x() == b.x()) a.rx() = b.rx() = snap(a.x());
    if (a.y() == b.y()) a.ry() = b.ry() = snap(a.y());
    painter_.drawLine(a, b);
}

void PainterCanvas::text(double x, double y, const std::string& s) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    painter_.setFont(font_);
    painter_.setPen(packedToQColor(textColor_));
    const QFontMetricsF metrics(font_);
    painter_.drawText(QPointF(toPixels(x), toPixels(y) + metrics.ascent()), QString::fromStdString(s));
}

double PainterCanvas::textWidth(const std::string& s) const {
    return QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(s)) * kTwipsPerPixel;
}

double PainterCanvas::textHeight() const { return QFontMetricsF(font_).height() * kTwipsPerPixel; }

void PainterCanvas::setLineWidth(int pixels) { lineWidth_ = std::clamp(pixels, 1, 11); }

}  // namespace qv
