// The PNG decoder: what it reads, and damaged or foreign files refused
// with an error, never read beyond their bounds.
#include <gtest/gtest.h>

#include <vector>

#include "forms/image_format_error.h"
#include "forms/png_decoder.h"
#include "png_samples.h"

namespace coretest {
namespace {

using forms::ImageFormatError;
using forms::PixelImage;

TEST(PngDecoder, ReadsAnIconWithItsMaskAndClearPixelsAsZero) {
    const PixelImage icon = forms::decodePng(png::kIcon);
    ASSERT_EQ(icon.width, 3);
    ASSERT_EQ(icon.height, 2);
    EXPECT_TRUE(icon.masked);
    EXPECT_EQ(icon.pixels,
              (std::vector<std::uint32_t>{0xFFFF0000, 0, 0xFF0000FF, 0xFFFFFF00, 0, 0xFF0000FF}));
    EXPECT_TRUE(icon.isOpaque(0, 1));
    EXPECT_FALSE(icon.isOpaque(1, 1));
}

TEST(PngDecoder, ReadsAnOpaquePictureThroughItsRowFilters) {
    const PixelImage picture = forms::decodePng(png::kOpaque);
    EXPECT_FALSE(picture.masked);
    EXPECT_EQ(picture.pixels,
              (std::vector<std::uint32_t>{0xFF0A141E, 0xFF0F1923, 0xFF0B1621, 0xFF131E29}));
}

TEST(PngDecoder, RefusesWhatItDoesNotRead) {
    const std::span<const std::uint8_t> refused[] = {
        png::kPartlyClear, png::kPalette,     png::kSixteenBits,   png::kInterlaced,
        png::kHuge,        png::kTooMuchData, png::kUnknownFilter, png::kUnknownCriticalChunk,
    };
    for (std::size_t i = 0; i < std::size(refused); ++i)
        EXPECT_THROW(forms::decodePng(refused[i]), ImageFormatError) << "sample " << i;
}

// Every shortened file, and every file with one byte changed: refused (the
// checksums see every change), and under the sanitizers never read out of
// bounds.
TEST(PngDecoder, RefusesEveryTruncationAndEveryChangedByte) {
    for (const std::span<const std::uint8_t> file :
         {std::span<const std::uint8_t>(png::kIcon), std::span<const std::uint8_t>(png::kOpaque)}) {
        for (std::size_t size = 0; size < file.size(); ++size) {
            const std::vector<std::uint8_t> shortened(file.begin(), file.begin() + size);
            EXPECT_THROW(forms::decodePng(shortened), ImageFormatError) << size << " bytes";
        }
        std::vector<std::uint8_t> changed(file.begin(), file.end());
        for (std::size_t at = 0; at < changed.size(); ++at) {
            changed[at] ^= 0x10;
            EXPECT_THROW(forms::decodePng(changed), ImageFormatError) << "byte " << at;
            changed[at] ^= 0x10;
        }
    }
}

}  // namespace
}  // namespace coretest
