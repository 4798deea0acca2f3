#include "plot/ui/picture_area.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Twips to logical pixels; huge values (a point far off the area) are
// clipped so that the painter never sees coordinates it cannot handle.
double toPixels(double twips) {
    const double px = twips / kTwipsPerPixel;
    return std::clamp(px, -1.0e6, 1.0e6);
}

bool finite4(double a, double b, double c, double d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

}  // namespace

QColor packedToQColor(uint32_t packed) {
    return QColor(static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
                  static_cast<int>((packed >> 16) & 0xFF));
}

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
    // The picture takes the focus by click and by Tab: the arrow keys then
    // move the view, + and - zoom, Ctrl with an arrow steps the found point.
    setFocusPolicy(Qt::StrongFocus);
}

PictureArea::~PictureArea() = default;

double PictureArea::width() const { return static_cast<double>(QWidget::width()) * kTwipsPerPixel; }
double PictureArea::height() const { return static_cast<double>(QWidget::height()) * kTwipsPerPixel; }

void PictureArea::ensureImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, static_cast<int>(std::ceil(QWidget::width() * ratio))),
                       std::max(1, static_cast<int>(std::ceil(QWidget::height() * ratio))));
    if (image_.size() == pixels && image_.devicePixelRatio() == ratio) return;
    endPainting();
    image_ = QImage(pixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(packedToQColor(background_));
}

QPainter& PictureArea::imagePainter() {
    ensureImage();
    if (!painter_) painter_ = std::make_unique<QPainter>(&image_);
    return *painter_;
}

void PictureArea::endPainting() const { painter_.reset(); }

const QImage& PictureArea::image() const {
    endPainting();
    return image_;
}

void PictureArea::clear(uint32_t color) {
    background_ = color;
    ensureImage();
    endPainting();
    image_.fill(packedToQColor(color));
    update();
}

// Lines are drawn antialiased where pixel (i, j) of the aliased drawing is
// the square around (i + 0.5, j + 0.5), so that the geometry stays the same.
// A line along an axis (the grid, the axes, the tick marks) is moved to the
// middle of its pixel row or column, where the pen covers whole pixels: it
// stays as crisp as before instead of smearing over two.
void paintPictureLine(QPainter& p, double x1, double y1, double x2, double y2, uint32_t color, int width) {
    if (!finite4(x1, y1, x2, y2)) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(packedToQColor(color), width, Qt::SolidLine, Qt::RoundCap));
    const double centre = width % 2 == 1 ? 0.5 : 0.0;
    QPointF a(toPixels(x1) + 0.5, toPixels(y1) + 0.5);
    QPointF b(toPixels(x2) + 0.5, toPixels(y2) + 0.5);
    auto snap = [centre](double v) { return std::floor(v) + centre; };
    if (a.x() == b.x()) a.rx() = b.rx() = snap(a.x());
    if (a.y() == b.y()) a.ry() = b.ry() = snap(a.y());
    p.drawLine(a, b);
}

void paintPictureText(QPainter& p, const QFont& font, double x, double y, const std::string& s, uint32_t color) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    p.setFont(font);
    p.setPen(packedToQColor(color));
    const QFontMetricsF metrics(font);
    // The position is the text's top-left corner.
    p.drawText(QPointF(toPixels(x), toPixels(y) + metrics.ascent()), QString::fromStdString(s));
}

void PictureArea::line(double x1, double y1, double x2, double y2, uint32_t color) {
    if (!finite4(x1, y1, x2, y2)) return;
    paintPictureLine(imagePainter(), x1, y1, x2, y2, color, lineWidth_);
    update();
}

void PictureArea::text(double x, double y, const std::string& s) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    QPainter& p = imagePainter();
    // Text as a fresh painter draws it: the lines turn antialiasing on.
    p.setRenderHint(QPainter::Antialiasing, false);
    paintPictureText(p, font(), x, y, s, textColor_);
    update();
}

double PictureArea::textWidth(const std::string& s) const {
    return QFontMetricsF(font()).horizontalAdvance(QString::fromStdString(s)) * kTwipsPerPixel;
}

double PictureArea::textHeight() const { return QFontMetricsF(font()).height() * kTwipsPerPixel; }

void paintPictureRect(QPainter& p, double x, double y, double w, double h, uint32_t color) {
    if (!finite4(x, y, w, h) || !(w > 0 && h > 0)) return;
    const double left = std::round(toPixels(x)), top = std::round(toPixels(y));
    p.fillRect(QRectF(left, top, std::round(toPixels(x + w)) - left, std::round(toPixels(y + h)) - top),
               packedToQColor(color));
}

void PictureArea::fillRect(double x, double y, double w, double h, uint32_t color) {
    paintPictureRect(imagePainter(), x, y, w, h, color);
    update();
}

void PictureArea::setLineWidth(int pixels) { lineWidth_ = std::clamp(pixels, 1, 11); }

void PictureArea::setOverlayLines(std::vector<OverlayLine> lines) {
    overlays_ = std::move(lines);
    update();
}

void PictureArea::setOverlayDiscs(std::vector<OverlayDisc> discs) {
    discs_ = std::move(discs);
    update();
}

void PictureArea::paintEvent(QPaintEvent* event) {
    ensureImage();
    endPainting();
    QPainter p(this);
    p.drawImage(event->rect(), image_, QRectF(event->rect().topLeft() * image_.devicePixelRatio(),
                                               event->rect().size() * image_.devicePixelRatio()));
    for (const OverlayLine& l : overlays_) {
        if (!finite4(l.x1, l.y1, l.x2, l.y2)) continue;
        p.setPen(QPen(packedToQColor(l.color), l.width));
        p.drawLine(QPointF(toPixels(l.x1), toPixels(l.y1)), QPointF(toPixels(l.x2), toPixels(l.y2)));
    }
    if (hasFocus()) paintFocusFrame(p);
    if (discs_.empty()) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (const OverlayDisc& d : discs_) {
        if (!finite4(d.x, d.y, d.diameter, 0) || d.diameter <= 0) continue;
        p.setBrush(packedToQColor(d.color));
        p.drawEllipse(QRectF(toPixels(d.x), toPixels(d.y), toPixels(d.diameter), toPixels(d.diameter)));
    }
}

void PictureArea::setDescribedDrawing(const QString& drawing) {
    describedDrawing_ = drawing;
    describe();
}

void PictureArea::setDescribedPoint(const QString& point) {
    describedPoint_ = point;
    describe();
}

void PictureArea::describe() {
    const QString text =
        describedPoint_.isEmpty() ? describedDrawing_ : describedDrawing_ + QStringLiteral("; ") + describedPoint_;
    // The change reaches the accessibility bus by itself.
    if (text != accessibleDescription()) setAccessibleDescription(text);
}

// The focus shows as a frame in the style's highlight colour just inside the
// edge, over the picture and never in it (a saved or printed graph has none).
void PictureArea::paintFocusFrame(QPainter& p) const {
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void PictureArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureImage();
    Q_EMIT resized();
}

}  // namespace qv
