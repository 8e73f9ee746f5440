#include "forms/button_face.h"

#include "forms/form.h"

namespace forms {
namespace {

// The focus rectangle's distance from the button's edge.
constexpr int kFocusInset = 3;

}  // namespace

PictureButtonFace pictureButtonFace(const CommandButton& button, bool pressed, bool focused) {
    PictureButtonFace face;
    face.pictureOffset = pressed ? 1 : 0;
    if (focused && button.form().showsKeyboardCues()) {
        const PixelRect size = pixelRect(button.bounds());
        face.focusRectangle = PixelRect{kFocusInset, kFocusInset, size.width - 2 * kFocusInset,
                                        size.height - 2 * kFocusInset};
    }
    return face;
}

}  // namespace forms
