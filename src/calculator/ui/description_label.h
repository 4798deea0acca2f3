#pragma once

#include <QLabel>
#include <QPoint>

#include <string>

namespace qv {

// The description of the current formula. It keeps its text with CR LF line
// ends (as a file stores it) and shows it as lines. It can be dragged onto
// the history box, and takes drops from the history box: either way the
// text moves and the source is emptied; the panel carries that out.
class DescriptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit DescriptionLabel(QWidget* parent = nullptr);

    const std::string& description() const { return text_; }
    void setDescription(std::string text);

    // The MIME type of a drag that carries the label itself.
    static const char* mimeType();

Q_SIGNALS:
    // Something from `source` was dropped here.
    void droppedFrom(QObject* source);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::string text_;
    QPoint pressedAt_;
    bool pressed_ = false;
};

}  // namespace qv
