#include "forms/picture_pixels.h"

#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "forms/image_format_error.h"
#include "forms/png_decoder.h"

namespace forms {
namespace {

struct StoredImage {
    std::span<const std::uint8_t> png;
    std::optional<PixelImage> pixels;  // once decoded (or found undecodable: empty)
};

struct ImageStore {
    std::mutex mutex;
    std::map<std::string, StoredImage, std::less<>> images;
};

// Built on first use: images are added while the program's static objects
// are constructed, in no particular order.
ImageStore& store() {
    static ImageStore instance;
    return instance;
}

}  // namespace

void addImages(std::span<const EncodedImage> images) {
    ImageStore& s = store();
    const std::lock_guard lock(s.mutex);
    for (const EncodedImage& image : images)
        s.images.try_emplace(std::string(image.name), StoredImage{image.png, std::nullopt});
}

const PixelImage& pixelsOf(const PictureSource& source) {
    static const PixelImage none;
    if (source.resource.empty()) return none;
    ImageStore& s = store();
    const std::lock_guard lock(s.mutex);
    const auto found = s.images.find(source.resource);
    if (found == s.images.end()) {
        std::fprintf(stderr, "the picture \"%.*s\" is not among the images\n",
                     static_cast<int>(source.resource.size()), source.resource.data());
        // Remembered as empty, so that the line is written once.
        s.images.emplace(std::string(source.resource), StoredImage{{}, PixelImage{}});
        return none;
    }
    StoredImage& image = found->second;
    if (!image.pixels) {
        try {
            image.pixels = decodePng(image.png);
        } catch (const ImageFormatError& error) {
            std::fprintf(stderr, "the picture \"%s\" cannot be read: %s\n", found->first.c_str(),
                         error.what());
            image.pixels = PixelImage{};
        }
    }
    return *image.pixels;
}

}  // namespace forms
