#pragma once

#include <windows.h>

#include "forms/picture.h"

namespace forms::win32 {

// The pointer made from a picture: each picture pixel a square of the whole
// number of device pixels nearest the screen's ratio (at least 1), its clear
// pixels clear, pointing with the picture's hot spot. nullptr where the
// picture has no pixels; the caller destroys it with DestroyCursor.
HCURSOR pointerOf(const Picture& picture, double ratio);
// A window icon made from a picture at its own size; nullptr where the
// picture has no pixels. The caller destroys it with DestroyIcon.
HICON iconOf(const Picture& picture);

}  // namespace forms::win32
