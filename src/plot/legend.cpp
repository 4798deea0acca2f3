#include "plot/legend.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr double kPixel = kTwipsPerPixel;
// Room between the picture's edge and the box, inside the box around its
// lines, and the stroke before each text with the gap after it.
constexpr double kMargin = 8 * kPixel;
constexpr double kPadding = 4 * kPixel;
constexpr double kStroke = 16 * kPixel;
constexpr double kGap = 5 * kPixel;
constexpr const char* kMore = "...";

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string elideText(const Canvas& canvas, const std::string& text, double room) {
    if (canvas.textWidth(text) <= room) return text;
    // The longest cut that fits with its "...", found by halving over the
    // character boundaries: a text may be thousands of characters long.
    size_t fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        size_t mid = fits + (tooLong - fits) / 2;
        while (mid > fits && continuationByte(text[mid])) --mid;
        if (mid == fits) {
            // No boundary between: the next one up decides.
            mid = fits + 1;
            while (mid < tooLong && continuationByte(text[mid])) ++mid;
            if (mid == tooLong) break;
        }
        if (canvas.textWidth(text.substr(0, mid) + kMore) <= room) fits = mid;
        else tooLong = mid;
    }
    return text.substr(0, fits) + kMore;
}

LegendLayout layoutLegend(const Canvas& canvas, const std::vector<LegendEntry>& entries, uint32_t moreColor) {
    LegendLayout layout;
    if (entries.size() < 2) return layout;
    const double pictureWidth = canvas.width() - kTwipsPerPixel, pictureHeight = canvas.height() - kTwipsPerPixel;
    const double lineHeight = canvas.textHeight();
    const double textRoom = pictureWidth / 3 - 2 * kPadding - kStroke - kGap;
    const double fitting = std::floor((pictureHeight / 3 - 2 * kPadding) / lineHeight);
    // A picture that cannot show two lines, or a few characters of each,
    // is better left without a legend.
    if (!(lineHeight > 0) || fitting < 2 || textRoom < canvas.textWidth("MM" + std::string(kMore))) return layout;
    const size_t lines = std::min(entries.size(), static_cast<size_t>(fitting));
    const bool capped = lines < entries.size();
    double widest = 0;
    for (size_t i = 0; i < lines; ++i) {
        LegendLine line;
        if (capped && i + 1 == lines) {
            line.text = kMore;
            line.color = moreColor;
            line.stroke = false;
        } else {
            line.text = elideText(canvas, entries[i].text, textRoom);
            line.color = entries[i].color;
        }
        widest = std::max(widest, canvas.textWidth(line.text));
        layout.lines.push_back(std::move(line));
    }
    layout.width = std::ceil((2 * kPadding + kStroke + kGap + widest) / kPixel) * kPixel;
    layout.height = 2 * kPadding + static_cast<double>(lines) * lineHeight;
    layout.x = pictureWidth - kMargin - layout.width;
    layout.y = kMargin;
    for (size_t i = 0; i < lines; ++i) {
        layout.lines[i].x = layout.x + kPadding + kStroke + kGap;
        layout.lines[i].y = layout.y + kPadding + static_cast<double>(i) * lineHeight;
    }
    return layout;
}

void drawLegend(Canvas& canvas, const GraphDocument& doc, const std::vector<LegendEntry>& entries) {
    if (!doc.view.legend) return;
    const LegendLayout layout = layoutLegend(canvas, entries, doc.colors[kAxis]);
    if (layout.lines.empty()) return;
    const double x1 = layout.x, y1 = layout.y, x2 = layout.x + layout.width, y2 = layout.y + layout.height;
    canvas.fillRect(x1, y1, layout.width, layout.height, doc.colors[kBackground]);
    const int width = canvas.lineWidth();
    canvas.setLineWidth(1);
    const uint32_t frame = doc.colors[kGrid];
    canvas.line(x1, y1, x2, y1, frame);
    canvas.line(x2, y1, x2, y2, frame);
    canvas.line(x2, y2, x1, y2, frame);
    canvas.line(x1, y2, x1, y1, frame);
    // The strokes as wide as the curves, up to what a line of text holds.
    canvas.setLineWidth(std::min(width, 3));
    const double middle = canvas.textHeight() / 2;
    for (const LegendLine& line : layout.lines) {
        if (line.stroke) {
            const double y = std::floor((line.y + middle) / kPixel) * kPixel;
            canvas.line(x1 + kPadding, y, x1 + kPadding + kStroke, y, line.color);
        }
        canvas.setTextColor(line.color);
        canvas.text(line.x, line.y, line.text);
    }
    canvas.setLineWidth(width);
    canvas.setTextColor(doc.colors[kAxis]);
}

}  // namespace qv
