#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "forms/picture.h"
#include "forms/pixel_image.h"

// The pictures' pixels for any backend. A program carries its images as PNG
// files compiled in (the game's come from its art library, which adds them
// as it starts); each is decoded the first time it is asked for, once.
namespace forms {

// An image as the program carries it: the name a PictureSource gives and
// the bytes of its PNG file.
struct EncodedImage {
    std::string_view name;
    std::span<const std::uint8_t> png;
};

// Makes images reachable by their names. The bytes must live as long as the
// program; a name added twice keeps its first image.
void addImages(std::span<const EncodedImage> images);

// The pixels of a picture: empty for no picture, and for a name that no
// added image has or whose file cannot be decoded (a line on standard error
// says which, once). The reference stays valid for the life of the program.
const PixelImage& pixelsOf(const PictureSource& source);
inline const PixelImage& pixelsOf(const Picture& picture) { return pixelsOf(picture.source()); }

}  // namespace forms
