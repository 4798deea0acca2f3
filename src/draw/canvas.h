#pragma once

#include <cstdint>
#include <string>

// The drawing surface every drawing routine draws through. Positions are in
// twips (15 to a screen pixel), origin at the top-left corner, y downwards.
// What is drawn stays until the canvas is cleared.
namespace qv {

inline constexpr int kTwipsPerPixel = 15;

class Canvas {
public:
    virtual ~Canvas() = default;

    // The current size in twips; read afresh at every use, since the area
    // may be resized between two calls.
    virtual double width() const = 0;
    virtual double height() const = 0;

    // Fills the whole area with the colour (packed red + 256 * green +
    // 65536 * blue).
    virtual void clear(uint32_t color) = 0;
    // A straight line in the colour, as wide as the canvas's line width.
    virtual void line(double x1, double y1, double x2, double y2, uint32_t color) = 0;
    // Text with its top-left corner at (x, y), in the canvas's text colour.
    virtual void text(double x, double y, const std::string& s) = 0;

    // Line width in pixels, 1 to 11.
    virtual void setLineWidth(int pixels) = 0;
    virtual int lineWidth() const = 0;
    // The colour text is drawn in.
    virtual void setTextColor(uint32_t color) = 0;

    // The extent of a text as text() draws it, in twips: its width, and the
    // height of a line. These defaults estimate a small font, 90 twips a
    // character and 195 a line; a canvas that knows its font measures it.
    virtual double textWidth(const std::string& s) const {
        return 90.0 * static_cast<double>(s.size());
    }
    virtual double textHeight() const { return 195; }

    // Fills the rectangle with its top-left corner at (x, y) in the colour.
    // This default paints it row by row with one-pixel lines; a canvas on a
    // painter fills it at once.
    virtual void fillRect(double x, double y, double w, double h, uint32_t color) {
        if (!(w > 0 && h > 0)) return;
        const int width = lineWidth();
        setLineWidth(1);
        for (double row = y; row < y + h; row += kTwipsPerPixel) line(x, row, x + w - kTwipsPerPixel, row, color);
        setLineWidth(width);
    }
};

}  // namespace qv
