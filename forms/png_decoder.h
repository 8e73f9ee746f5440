#pragma once

#include <cstdint>
#include <span>

#include "forms/pixel_image.h"

namespace forms {

// Decodes the PNG files this program carries: eight bits a channel, not
// interlaced, either RGB (an opaque picture) or RGBA whose alpha is only 0
// or 255 (an icon with its one-bit mask). Anything else, and any damage (a
// wrong checksum, a truncated file, a picture larger than 16384 pixels a side
// or 16 million in all), raises ImageFormatError saying what it found; the
// file is only read within its bounds.
PixelImage decodePng(std::span<const std::uint8_t> file);

}  // namespace forms
