#pragma once

#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

#include "draw/canvas.h"

class QPainter;

namespace qv {

// The graph's picture area: a canvas on a retained image. What is drawn
// stays until cleared, as the drawing routines expect; painting only copies
// the image to the screen and adds the overlays (the zoom box, the closing
// box), which never touch the image. The image has the screen's device
// pixels, so lines and text stay crisp on high-density screens.
class PictureArea : public QWidget, public Canvas {
    Q_OBJECT

public:
    // A line drawn over the picture, in twips, e.g. a side of the zoom box.
    struct OverlayLine {
        double x1, y1, x2, y2;
        uint32_t color;
        int width = 1;  // pixels
    };

    // A filled circle over the picture, in twips: its box's top-left corner
    // and its diameter.
    struct OverlayDisc {
        double x, y, diameter;
        uint32_t color;
    };

    explicit PictureArea(QWidget* parent = nullptr);
    ~PictureArea() override;

    double width() const override;
    double height() const override;
    void clear(uint32_t color) override;
    void line(double x1, double y1, double x2, double y2, uint32_t color) override;
    void text(double x, double y, const std::string& s) override;
    // The extent of a text in the picture's font, in twips.
    double textWidth(const std::string& s) const override;
    double textHeight() const override;
    void fillRect(double x, double y, double w, double h, uint32_t color) override;
    void setLineWidth(int pixels) override;
    int lineWidth() const override { return lineWidth_; }
    void setTextColor(uint32_t color) override { textColor_ = color; }

    void setOverlayLines(std::vector<OverlayLine> lines);
    // Discs painted over the picture and the lines (the tornado's
    // particles); they never touch the retained image.
    void setOverlayDiscs(std::vector<OverlayDisc> discs);
    // The retained picture, as drawn (for saving as a bitmap and printing).
    const QImage& image() const;

    // What the picture shows, for a screen reader: the drawing (its curves
    // and view) and the found point, "" when none is marked. Each change
    // reaches the accessibility bus.
    void setDescribedDrawing(const QString& drawing);
    void setDescribedPoint(const QString& point);

Q_SIGNALS:
    // The area changed size: its picture was cleared and must be drawn again.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ensureImage();
    void paintFocusFrame(QPainter& p) const;
    // The painter on the image, kept open from one line to the next: a
    // redraw draws hundreds of thousands of lines, and opening a painter
    // for each costs more than the line. It is ended before anything else
    // reads or replaces the image.
    QPainter& imagePainter();
    void endPainting() const;

    void describe();

    QImage image_;
    QString describedDrawing_;
    QString describedPoint_;
    mutable std::unique_ptr<QPainter> painter_;
    uint32_t background_ = 0xFFFFFF;
    uint32_t textColor_ = 0;
    int lineWidth_ = 1;
    std::vector<OverlayLine> overlays_;
    std::vector<OverlayDisc> discs_;
};

// A packed colour (red + 256 * green + 65536 * blue) as a QColor.
QColor packedToQColor(uint32_t packed);

// A line and a text as the picture draws them (positions in twips), on any
// painter whose units are the picture's logical pixels: an export or a
// printer page draws exactly what the picture shows.
void paintPictureLine(QPainter& painter, double x1, double y1, double x2, double y2, uint32_t color, int width);
void paintPictureText(QPainter& painter, const QFont& font, double x, double y, const std::string& s,
                      uint32_t color);
// A filled rectangle (twips) on whole pixels, as the picture draws it.
void paintPictureRect(QPainter& painter, double x, double y, double w, double h, uint32_t color);

}  // namespace qv
