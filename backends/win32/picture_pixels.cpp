#include "backends/win32/picture_pixels.h"

namespace forms::win32 {

// The art is not yet compiled into the Windows program: no picture has
// pixels, and the windows show their colours, texts, lines and controls.
const PicturePixels* picturePixelsOf(const Picture&) { return nullptr; }

}  // namespace forms::win32
