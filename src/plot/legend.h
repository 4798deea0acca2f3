#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "draw/canvas.h"

// The legend that tells the curves of one redraw apart: when more than one
// curve is drawn (the function list's entries with the y(z) box), a small
// box in the picture's top right corner lists each curve's text in the
// colour the curve is drawn in. Every picture of the graph draws it last,
// over the curves and the marks, each at its own size.
namespace qv {

// One drawn curve: its text as the user sees it, the colour of its line and
// a point of it in the picture (twips), where it gets the tag that carries
// its number in the legend: the curves of the list share one colour.
struct LegendEntry {
    std::string text;
    uint32_t color = 0;
    bool anchored = false;
    double anchorX = 0, anchorY = 0;
    bool operator==(const LegendEntry&) const = default;
};

// One line of a laid-out legend: the text's top-left corner, in twips, and
// whether a short stroke of the curve's colour goes before it (the last
// line of a capped legend, "...", has none).
struct LegendLine {
    std::string text;
    uint32_t color = 0;
    double x = 0, y = 0;
    bool stroke = true;
    std::string tag;  // the curve's number, before its text
};

// A curve's numbered tag on the curve: its box (twips) and number.
struct LegendTag {
    std::string number;
    uint32_t color = 0;
    double x = 0, y = 0, width = 0, height = 0;
};

// The legend's box (twips, top-left corner and size) and its lines. No
// lines: nothing is drawn.
struct LegendLayout {
    double x = 0, y = 0, width = 0, height = 0;
    std::vector<LegendLine> lines;
    std::vector<LegendTag> tags;
};

// Where the legend of `entries` goes on `canvas`: nothing for fewer than two
// entries or a picture too small to hold two lines. The box never takes
// more than a third of the picture's width or height: a long text is cut
// and ends in "...", and when the entries do not all fit, the last line
// that fits reads "..." (in `moreColor`). Each listed curve with a point
// gets a tag with its number beside that point, inside the picture.
LegendLayout layoutLegend(const Canvas& canvas, const std::vector<LegendEntry>& entries, uint32_t moreColor);

// `text` cut to fit `room` twips on `canvas`, ending in "..." when cut; a
// text that fits is returned whole. Cuts fall between UTF-8 characters.
std::string elideText(const Canvas& canvas, const std::string& text, double room);

// Draws the legend of `entries` when the document's "Legend" switch is on,
// on the document's background colour framed in its grid colour. Leaves
// the canvas's text colour at the axis colour, as a redraw sets it.
void drawLegend(Canvas& canvas, const GraphDocument& doc, const std::vector<LegendEntry>& entries);

// The picture in words, for a screen reader: each curve drawn as its boxes
// read it, x(z) and y(z) (th(z) and r(z) in Polar mode), then the view:
// "x(z) = z, y(z) = z^2; view: x from -5 to 5, y from -4.16 to 4.16".
std::string pictureDescription(const std::vector<LegendEntry>& curves, const std::string& xText, bool polar,
                               const GraphDocument& doc);

// The found point in words, as its read-outs show its coordinates:
// "found point: z = 1.5, x = 1.5, y = 2.25" (th and r in Polar mode).
std::string foundPointDescription(const std::string& z, const std::string& x, const std::string& y, bool polar);

}  // namespace qv
