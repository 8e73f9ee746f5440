#pragma once

#include "forms/pixels.h"

namespace forms {

// How a window's painting meets a screen of any device pixel ratio, for
// every backend. At a whole ratio (1, 2, 3) the window paints the dirty area
// directly and every picture pixel becomes an exact square of device
// pixels. At a fractional ratio (1.25, 1.5) it paints the whole window at
// the next whole ratio and scales that once, smoothly, to the device's
// pixels: every picture pixel comes out equally soft, none a pixel wider
// than its neighbour, and parts repainted on their own meet without seams.

// Whether a ratio is a whole number.
bool isWholeRatio(double ratio);

// The whole ratio a window paints at: the device's own when whole, else the
// next whole one; at least 1.
int paintRatioFor(double ratio);

// Logical pixels as device pixels at a ratio, rounded.
int devicePixels(int logical, double ratio);

}  // namespace forms
