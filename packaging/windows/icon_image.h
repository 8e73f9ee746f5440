#pragma once

// The window icon of the board as Windows keeps it in a program's
// resources: the XPM pixel maps of art/icons decoded to colours, and the
// colours the 16-colour images use, those of the standard palette.
// Plain C++, so that the icon is made wherever the resource is compiled.

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace klonkatron::windows_icon {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// An XPM image: its colours in the order the XPM lists them ("None" left
// out) and each pixel, from the top row down, as an index into them or -1
// where the image is transparent.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> colours;
    std::vector<int> pixels;

    [[nodiscard]] int at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// The sixteen colours of the standard palette of Windows, in its order.
inline constexpr std::array<Rgb, 16> kStandardPalette{{
    {0x00, 0x00, 0x00},
    {0x80, 0x00, 0x00},
    {0x00, 0x80, 0x00},
    {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80},
    {0x80, 0x00, 0x80},
    {0x00, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF},
}};

// The index of the standard colour nearest to `colour` (the first of
// equally near ones).
inline int nearestStandard(Rgb colour) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < static_cast<int>(kStandardPalette.size()); ++i) {
        const Rgb& c = kStandardPalette[static_cast<size_t>(i)];
        const long dr = long{c.r} - colour.r;
        const long dg = long{c.g} - colour.g;
        const long db = long{c.b} - colour.b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Decodes an XPM as art/icons writes them: colour key "c" with "#RRGGBB"
// or "None", any number of characters per pixel.
inline Image decodeXpm(std::span<const char* const> xpm) {
    if (xpm.empty()) throw std::runtime_error("XPM without a header");
    Image image;
    int colourCount = 0;
    int perPixel = 0;
    if (std::sscanf(xpm[0], "%d %d %d %d", &image.width, &image.height, &colourCount, &perPixel) !=
            4 ||
        image.width <= 0 || image.height <= 0 || colourCount <= 0 || perPixel <= 0 ||
        xpm.size() != static_cast<size_t>(1 + colourCount + image.height)) {
        throw std::runtime_error("XPM header not understood");
    }
    std::map<std::string, int> keys;
    for (int i = 1; i <= colourCount; ++i) {
        const std::string line = xpm[static_cast<size_t>(i)];
        const std::string key = line.substr(0, static_cast<size_t>(perPixel));
        const std::string rest = line.substr(static_cast<size_t>(perPixel));
        char value[16] = {};
        if (std::sscanf(rest.c_str(), " c %15s", value) != 1) {
            throw std::runtime_error("XPM colour not understood: " + line);
        }
        const std::string text = value;
        if (text == "None" || text == "none") {
            keys[key] = -1;
            continue;
        }
        unsigned r = 0;
        unsigned g = 0;
        unsigned b = 0;
        if (text.size() != 7 || std::sscanf(text.c_str(), "#%2x%2x%2x", &r, &g, &b) != 3) {
            throw std::runtime_error("XPM colour not understood: " + line);
        }
        keys[key] = static_cast<int>(image.colours.size());
        image.colours.push_back({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                 static_cast<std::uint8_t>(b)});
    }
    for (int y = 0; y < image.height; ++y) {
        const std::string row = xpm[static_cast<size_t>(1 + colourCount + y)];
        if (row.size() != static_cast<size_t>(image.width * perPixel)) {
            throw std::runtime_error("XPM row of the wrong width");
        }
        for (int x = 0; x < image.width; ++x) {
            const auto key = keys.find(
                row.substr(static_cast<size_t>(x * perPixel), static_cast<size_t>(perPixel)));
            if (key == keys.end()) throw std::runtime_error("XPM pixel of no colour");
            image.pixels.push_back(key->second);
        }
    }
    return image;
}

}  // namespace klonkatron::windows_icon
