#pragma once

// The colour options: which colour slot each of the dialog's choices edits,
// in the dialog's order, and the rule of its "Line Size:" box.

#include <array>
#include <optional>
#include <string_view>

#include "document/graph_document.h"
#include "expression/user_text.h"

namespace qv {

struct ColorOption {
    const char* caption;  // in English; the dialog shows it translated
    const char* name;  // the option button's name
    ColorSlot slot;
};

inline constexpr std::array<ColorOption, kColorSlotCount> kColorOptions = {{
    {QV_TR("qv::ColorOptionsDialog", "Background"), "Option1", kBackground},
    {QV_TR("qv::ColorOptionsDialog", "Axis"), "Option2", kAxis},
    {QV_TR("qv::ColorOptionsDialog", "Grid"), "Option11", kGrid},
    {QV_TR("qv::ColorOptionsDialog", "Point Cross"), "Option3", kPointCross},
    {QV_TR("qv::ColorOptionsDialog", "Function Line"), "Option8", kFunctionLine},
    {QV_TR("qv::ColorOptionsDialog", "Derivative"), "Option9", kDerivative},
    {QV_TR("qv::ColorOptionsDialog", "2nd Derivative"), "Option10", kSecondDerivative},
    {QV_TR("qv::ColorOptionsDialog", "Point Connect"), "Option4", kPointConnect},
    {QV_TR("qv::ColorOptionsDialog", "Moving Average"), "Option5", kMovingAverage},
    {QV_TR("qv::ColorOptionsDialog", "Data Smooth"), "Option6", kDataSmooth},
    {QV_TR("qv::ColorOptionsDialog", "Drag Zoom Lines"), "Option7", kDragZoomLines},
}};

inline constexpr int kMinLineSize = 1;
inline constexpr int kMaxLineSize = 11;

// The line width a "Line Size:" text stands for: the number rounded to a
// whole one (halves to the even neighbour) and held to 1..11; none when the
// text is not a number, which changes nothing.
std::optional<int> lineSizeFor(std::string_view text);

}  // namespace qv
