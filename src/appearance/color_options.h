#pragma once

// The colour options: which colour slot each of the dialog's choices edits,
// in the dialog's order, and the rule of its "Line Size:" box.

#include <array>
#include <optional>
#include <string_view>

#include "document/graph_document.h"

namespace qv {

struct ColorOption {
    const char* caption;
    const char* name;  // the option button's name
    ColorSlot slot;
};

inline constexpr std::array<ColorOption, kColorSlotCount> kColorOptions = {{
    {"Background", "Option1", kBackground},
    {"Axis", "Option2", kAxis},
    {"Grid", "Option11", kGrid},
    {"Point Cross", "Option3", kPointCross},
    {"Function Line", "Option8", kFunctionLine},
    {"Derivative", "Option9", kDerivative},
    {"2nd Derivative", "Option10", kSecondDerivative},
    {"Point Connect", "Option4", kPointConnect},
    {"Moving Average", "Option5", kMovingAverage},
    {"Data Smooth", "Option6", kDataSmooth},
    {"Drag Zoom Lines", "Option7", kDragZoomLines},
}};

inline constexpr int kMinLineSize = 1;
inline constexpr int kMaxLineSize = 11;

// The line width a "Line Size:" text stands for: the number rounded to a
// whole one (halves to the even neighbour) and held to 1..11; none when the
// text is not a number, which changes nothing.
std::optional<int> lineSizeFor(std::string_view text);

}  // namespace qv
