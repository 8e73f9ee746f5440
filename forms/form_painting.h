#pragma once

#include "forms/canvas.h"
#include "forms/form.h"
#include "forms/pixels.h"

namespace forms {

// Paints a window where it meets `dirty` (logical pixels) on a canvas, the
// one painting of every backend: the background (the design's colour, else
// the platform's dialog colour), the window's picture, then its visible
// labels, images and lines from the back to the front. Labels are
// transparent, wrapped by wrapText at their width with the canvas's own text
// measures, aligned left, centred or right, one line below the other until a
// line would start below the label, and clipped to the label. Buttons and
// text boxes are widgets of their own and are not painted here.
void paintForm(Canvas& canvas, const Form& form, const PixelRect& dirty);

}  // namespace forms
