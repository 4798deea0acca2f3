#include "shell/ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace qv {

namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(QColor(120, 120, 120), std::max(1.0, s / 32)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.12, s * 0.12);
    // Axes, then the curve x = cos(3z), y = sin(2z).
    p.setPen(QPen(QColor(0, 0, 0), std::max(1.0, s / 48)));
    p.drawLine(QPointF(s * 0.12, s * 0.5), QPointF(s * 0.88, s * 0.5));
    p.drawLine(QPointF(s * 0.5, s * 0.12), QPointF(s * 0.5, s * 0.88));
    QPainterPath curve;
    const int steps = 200;
    for (int i = 0; i <= steps; ++i) {
        const double z = 2 * M_PI * i / steps;
        const QPointF pt(s * 0.5 + s * 0.34 * std::cos(3 * z), s * 0.5 - s * 0.34 * std::sin(2 * z));
        if (i == 0) curve.moveTo(pt);
        else curve.lineTo(pt);
    }
    p.setPen(QPen(QColor(0, 0, 255), std::max(1.5, s / 16)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    return pixmap;
}

}  // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace qv
