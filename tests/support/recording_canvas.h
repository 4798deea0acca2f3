#pragma once

// A canvas that draws nothing and remembers everything drawn on it since the
// last clear, so tests can check geometry exactly: positions, colours, line
// widths, texts and their order. Header-only so both test programs can use it.

#include "draw/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

struct RecordedLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint32_t color = 0;
    int width = 1;
};

struct RecordedText {
    double x = 0, y = 0;
    std::string text;
    uint32_t color = 0;
};

// What was drawn, in drawing order: an index into lines or texts.
struct RecordedItem {
    enum Kind { Line, Text } kind = Line;
    size_t index = 0;
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(double width = 10015, double height = 8335) : width_(width), height_(height) {}

    void resize(double width, double height) {
        width_ = width;
        height_ = height;
    }

    double width() const override { return width_; }
    double height() const override { return height_; }

    // Clearing forgets what was drawn before, as the real area does.
    void clear(uint32_t color) override {
        ++clears;
        last_clear_color = color;
        lines.clear();
        texts.clear();
        order.clear();
    }

    void line(double x1, double y1, double x2, double y2, uint32_t color) override {
        order.push_back({RecordedItem::Line, lines.size()});
        lines.push_back({x1, y1, x2, y2, color, line_width_});
    }

    void text(double x, double y, const std::string& s) override {
        order.push_back({RecordedItem::Text, texts.size()});
        texts.push_back({x, y, s, text_color_});
    }

    void setLineWidth(int pixels) override { line_width_ = pixels; }
    int lineWidth() const override { return line_width_; }
    void setTextColor(uint32_t color) override { text_color_ = color; }
    // Texts measure char_width twips a character: 90, as the default
    // estimate, unless a test asks for a wider font.
    double textWidth(const std::string& s) const override { return char_width * static_cast<double>(s.size()); }

    std::vector<RecordedLine> lines;
    std::vector<RecordedText> texts;
    std::vector<RecordedItem> order;
    int clears = 0;
    uint32_t last_clear_color = 0;
    double char_width = 90;

private:
    double width_;
    double height_;
    int line_width_ = 1;
    uint32_t text_color_ = 0;
};

}  // namespace qv
