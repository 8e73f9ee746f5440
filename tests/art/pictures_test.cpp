// Every picture of the catalogue as pixels, without Qt, on every platform:
// its size and kind, and exactly the pixels of its committed file.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "art/catalogue.h"
#include "forms/picture_pixels.h"
#include "pixel_digests.h"

namespace {

using klonkatron::art::Kind;

TEST(Pictures, HaveTheirSizeKindAndPixels) {
    for (const auto& entry : klonkatron::art::kCatalogue) {
        const std::string name(entry.picture.resource);
        const forms::PixelImage& image = forms::pixelsOf(entry.picture);
        ASSERT_FALSE(image.isEmpty()) << name;
        EXPECT_EQ(image.width, entry.picture.width) << name;
        EXPECT_EQ(image.height, entry.picture.height) << name;
        EXPECT_EQ(image.masked, entry.kind != Kind::Bitmap) << name << ": only icons have a mask";
        if (entry.kind != Kind::Bitmap) {
            std::set<std::uint32_t> colours(image.pixels.begin(), image.pixels.end());
            colours.erase(0);  // clear
            EXPECT_LE(colours.size(), entry.kind == Kind::Icon16 ? 16U : 256U) << name;
        }
        const auto listed =
            std::find_if(std::begin(klonkatron::art_test::kImageDigests),
                         std::end(klonkatron::art_test::kImageDigests),
                         [&](const auto& digest) { return digest.name == entry.picture.resource; });
        ASSERT_NE(listed, std::end(klonkatron::art_test::kImageDigests)) << name;
        EXPECT_EQ(klonkatron::art_test::digestOf(image.pixels), listed->digest) << name;
    }
}

TEST(Pictures, AreTheSameObjectEachTimeAndNoneForAnUnknownName) {
    EXPECT_EQ(&forms::pixelsOf(klonkatron::art::emblem),
              &forms::pixelsOf(klonkatron::art::form1Icon));
    EXPECT_TRUE(forms::pixelsOf(forms::PictureSource{"no such picture", 1, 1}).isEmpty());
    EXPECT_TRUE(forms::pixelsOf(forms::Picture()).isEmpty());
}

}  // namespace
