#include "plot/legend.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "expression/number_text.h"
#include "expression/user_text.h"

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
// A curve's tag: room around its number, and its distance from the point.
constexpr double kTagPadding = 2 * kPixel;
constexpr double kTagOffset = 4 * kPixel;

// A box filled with `fill` and framed in `frame`, with one-pixel lines.
void framedBox(Canvas& canvas, double x, double y, double w, double h, uint32_t fill, uint32_t frame) {
    canvas.fillRect(x, y, w, h, fill);
    canvas.line(x, y, x + w, y, frame);
    canvas.line(x + w, y, x + w, y + h, frame);
    canvas.line(x + w, y + h, x, y + h, frame);
    canvas.line(x, y + h, x, y, frame);
}

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

namespace {

// The numbered tags of the listed curves that have a point in the picture:
// up and to the right of it, kept inside the picture.
void placeTags(const Canvas& canvas, const std::vector<LegendEntry>& entries, LegendLayout& layout) {
    const double pictureWidth = canvas.width() - kTwipsPerPixel, pictureHeight = canvas.height() - kTwipsPerPixel;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const LegendLine& line = layout.lines[i];
        if (line.tag.empty() || !entries[i].anchored) continue;
        LegendTag tag;
        tag.number = line.tag;
        tag.color = line.color;
        tag.width = canvas.textWidth(tag.number) + 2 * kTagPadding;
        tag.height = canvas.textHeight() + kTagPadding;
        tag.x = std::clamp(entries[i].anchorX + kTagOffset, 0.0, std::max(0.0, pictureWidth - tag.width));
        tag.y = std::clamp(entries[i].anchorY - kTagOffset - tag.height, 0.0, std::max(0.0, pictureHeight - tag.height));
        layout.tags.push_back(tag);
    }
}

}  // namespace

LegendLayout layoutLegend(const Canvas& canvas, const std::vector<LegendEntry>& entries, uint32_t moreColor) {
    LegendLayout layout;
    if (entries.size() < 2) return layout;
    const double pictureWidth = canvas.width() - kTwipsPerPixel, pictureHeight = canvas.height() - kTwipsPerPixel;
    const double lineHeight = canvas.textHeight();
    // Every number takes the room of the widest, so the texts line up.
    const double tagRoom = canvas.textWidth(std::to_string(entries.size())) + kGap;
    const double textRoom = pictureWidth / 3 - 2 * kPadding - kStroke - kGap - tagRoom;
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
            line.tag = std::to_string(i + 1);
        }
        widest = std::max(widest, canvas.textWidth(line.text));
        layout.lines.push_back(std::move(line));
    }
    layout.width = std::ceil((2 * kPadding + kStroke + kGap + tagRoom + widest) / kPixel) * kPixel;
    layout.height = 2 * kPadding + static_cast<double>(lines) * lineHeight;
    layout.x = pictureWidth - kMargin - layout.width;
    layout.y = kMargin;
    for (size_t i = 0; i < lines; ++i) {
        layout.lines[i].x = layout.x + kPadding + kStroke + kGap + tagRoom;
        layout.lines[i].y = layout.y + kPadding + static_cast<double>(i) * lineHeight;
    }
    placeTags(canvas, entries, layout);
    return layout;
}

void drawLegend(Canvas& canvas, const GraphDocument& doc, const std::vector<LegendEntry>& entries) {
    if (!doc.view.legend) return;
    const LegendLayout layout = layoutLegend(canvas, entries, doc.colors[kAxis]);
    if (layout.lines.empty()) return;
    const double x1 = layout.x, y1 = layout.y;
    const int width = canvas.lineWidth();
    canvas.setLineWidth(1);
    // The tags first: where one falls under the box, the box stays whole.
    for (const LegendTag& tag : layout.tags) {
        framedBox(canvas, tag.x, tag.y, tag.width, tag.height, doc.colors[kBackground], tag.color);
        canvas.setTextColor(tag.color);
        canvas.text(tag.x + kTagPadding, tag.y + kTagPadding / 2, tag.number);
    }
    framedBox(canvas, x1, y1, layout.width, layout.height, doc.colors[kBackground], doc.colors[kGrid]);
    // The strokes as wide as the curves, up to what a line of text holds.
    canvas.setLineWidth(std::min(width, 3));
    const double middle = canvas.textHeight() / 2;
    for (const LegendLine& line : layout.lines) {
        if (line.stroke) {
            const double y = std::floor((line.y + middle) / kPixel) * kPixel;
            canvas.line(x1 + kPadding, y, x1 + kPadding + kStroke, y, line.color);
        }
        canvas.setTextColor(line.color);
        if (!line.tag.empty()) canvas.text(x1 + kPadding + kStroke + kGap, line.y, line.tag);
        canvas.text(line.x, line.y, line.text);
    }
    canvas.setLineWidth(width);
    canvas.setTextColor(doc.colors[kAxis]);
}

std::string pictureDescription(const std::vector<LegendEntry>& curves, const std::string& xText, bool polar,
                               const GraphDocument& doc) {
    std::string out;
    for (const LegendEntry& curve : curves) {
        out += (polar ? "th(z) = " : "x(z) = ") + xText + (polar ? ", r(z) = " : ", y(z) = ") + curve.text + "; ";
    }
    out += fillIn(userText("qv::Texts", "view: x from %1 to %2, y from %3 to %4"),
                  {plainText(doc.x_min), plainText(doc.x_max), plainText(doc.y_min), plainText(doc.y_max)});
    return out;
}

std::string foundPointDescription(const std::string& z, const std::string& x, const std::string& y, bool polar) {
    return fillIn(polar ? userText("qv::Texts", "found point: z = %1, th = %2, r = %3")
                        : userText("qv::Texts", "found point: z = %1, x = %2, y = %3"),
                  {z, x, y});
}

}  // namespace qv
