#include "appearance/color_options.h"

#include <algorithm>
#include <cmath>

#include "expression/number_text.h"

namespace qv {

std::optional<int> lineSizeFor(std::string_view text) {
    const std::optional<double> v = isNumeric(text) ? toNumber(text) : std::nullopt;
    if (!v || std::isnan(*v)) return std::nullopt;
    const double whole = std::clamp(roundHalfEven(*v, 0), double{kMinLineSize}, double{kMaxLineSize});
    return static_cast<int>(whole);
}

}  // namespace qv
