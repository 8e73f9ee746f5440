#pragma once

#include <windows.h>

#include "backends/win32/back_buffer.h"
#include "backends/win32/gdi_fonts.h"
#include "forms/form.h"

namespace forms::win32 {

// Paints a window's background and its drawn controls back to front, where
// they meet `dirty` (logical pixels), into its back buffer at `ratio` (a
// whole number) buffer pixels to the logical pixel. Pictures scale
// nearest-neighbour into exact squares.
void paintForm(BackBuffer& buffer, const Form& form, const RECT& dirty, int ratio, GdiFonts& fonts);

}  // namespace forms::win32
