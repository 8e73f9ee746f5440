// Any bytes as a PNG file: the decoder either refuses them with an
// ImageFormatError or gives an image whose pixels are all there, opaque or
// (in an icon) wholly clear.
#include <cstdint>

#include "forms/image_format_error.h"
#include "forms/png_decoder.h"
#include "fuzz/require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using klonkatron::fuzz::require;
    try {
        const forms::PixelImage image = forms::decodePng({data, size});
        require(image.width > 0 && image.height > 0, "an image without pixels was read");
        require(image.pixels.size() == std::size_t(image.width) * std::size_t(image.height),
                "an image's pixels do not fill it");
        for (const std::uint32_t pixel : image.pixels)
            require((pixel >> 24) == 0xFF || (image.masked && pixel == 0),
                    "a pixel is partly clear, or clear in an opaque picture");
    } catch (const forms::ImageFormatError&) {
    }
    return 0;
}
