#include "calculator/ui/description_label.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace qv {

DescriptionLabel::DescriptionLabel(QWidget* parent) : QLabel(parent) {
    setObjectName("Label35");
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setAcceptDrops(true);
    setMargin(4);
}

const char* DescriptionLabel::mimeType() { return "application/x-quorvanta-description"; }

void DescriptionLabel::setDescription(std::string text) {
    text_ = std::move(text);
    QString shown = QString::fromStdString(text_);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(shown);
}

void DescriptionLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
    QLabel::mousePressEvent(event);
}

void DescriptionLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    pressed_ = false;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(mimeType(), QByteArray::fromStdString(text_));
    data->setText(text());
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

void DescriptionLabel::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != nullptr && event->source() != this) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void DescriptionLabel::dropEvent(QDropEvent* event) {
    QObject* source = event->source();
    if (source == nullptr || source == this) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT droppedFrom(source);
}

}  // namespace qv
