#include "forms/paint_scale.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {

// Screens give ratios such as 1.0000001 for 1.
constexpr double kHair = 1e-6;

}  // namespace

bool isWholeRatio(double ratio) { return std::abs(ratio - std::round(ratio)) < kHair; }

int paintRatioFor(double ratio) {
    const int whole = isWholeRatio(ratio) ? static_cast<int>(std::lround(ratio))
                                          : static_cast<int>(std::ceil(ratio));
    return std::max(whole, 1);
}

int devicePixels(int logical, double ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

}  // namespace forms
