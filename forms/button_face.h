#pragma once

#include <optional>

#include "forms/pixels.h"

namespace forms {

class CommandButton;

// How a button whose face is a picture looks, the same on every backend:
// the picture fills the button exactly and, pressed, moves one pixel down
// and right; with the focus, once the keyboard has moved around its window
// (Form::showsKeyboardCues), a dotted rectangle lies inside the face.
struct PictureButtonFace {
    int pictureOffset = 0;  // pixels right and down
    // In the button's own pixels (logical, at 96 dpi); each backend draws it
    // dotted as its system does.
    std::optional<PixelRect> focusRectangle;
};

// `pressed`: the button is held down; `focused`: it has the keyboard focus
// of the system (its window active); both as its widget knows.
PictureButtonFace pictureButtonFace(const CommandButton& button, bool pressed, bool focused);

}  // namespace forms
