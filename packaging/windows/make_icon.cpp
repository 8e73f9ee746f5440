// Writes the board's window icon as a Windows icon file, for the program's
// resources: the hammer at 16 by 16 and the emblem at 32 by 32, each in 16
// colours (the standard palette) and in 256 (the colours as drawn), with
// the mask that makes the pixels around the subject transparent.
// Usage: klonkatron_make_icon <output.ico>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <span>
#include <vector>

#include "packaging/windows/icon_image.h"

// The XPM sources are C: they are compiled in.
#include "art/icons/emblem.xpm"
#include "art/icons/hammer16.xpm"

namespace {

using klonkatron::windows_icon::Image;

void put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// One image as an icon resource holds it: a bitmap header of twice the
// height, the palette, the colour rows and then the mask rows, both from
// the bottom row up. Transparent pixels are black with the mask bit set.
std::vector<std::uint8_t> iconImage(const Image& image, int bits) {
    const int w = image.width;
    const int h = image.height;
    const int colourStride = ((w * bits + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;
    std::vector<klonkatron::windows_icon::Rgb> palette(size_t{1} << bits);
    std::vector<int> index(image.colours.size());
    for (size_t i = 0; i < image.colours.size(); ++i) {
        if (bits == 4) {
            index[i] = klonkatron::windows_icon::nearestStandard(image.colours[i]);
        } else {
            index[i] = static_cast<int>(i) + 1;  // 0 stays black, for the transparent pixels
        }
    }
    if (bits == 4) {
        palette.assign(klonkatron::windows_icon::kStandardPalette.begin(),
                       klonkatron::windows_icon::kStandardPalette.end());
    } else {
        if (image.colours.size() > 255) throw std::runtime_error("too many colours for 256");
        for (size_t i = 0; i < image.colours.size(); ++i) palette[i + 1] = image.colours[i];
    }

    std::vector<std::uint8_t> out;
    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(2 * h));  // colour rows and mask rows
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0);  // no compression
    put32(out, static_cast<std::uint32_t>((colourStride + maskStride) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);  // every colour of the palette
    put32(out, 0);
    for (const auto& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<size_t>(colourStride), 0);
        for (int x = 0; x < w; ++x) {
            const int pixel = image.at(x, y);
            const int value = pixel < 0 ? 0 : index[static_cast<size_t>(pixel)];
            if (bits == 8) {
                row[static_cast<size_t>(x)] = static_cast<std::uint8_t>(value);
            } else {
                row[static_cast<size_t>(x / 2)] |=
                    static_cast<std::uint8_t>(x % 2 == 0 ? value << 4 : value);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<size_t>(maskStride), 0);
        for (int x = 0; x < w; ++x) {
            if (image.at(x, y) < 0) row[static_cast<size_t>(x / 8)] |= 0x80 >> (x % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: klonkatron_make_icon <output.ico>\n");
        return 2;
    }
    try {
        const Image small = klonkatron::windows_icon::decodeXpm(hammer16);
        const Image large = klonkatron::windows_icon::decodeXpm(emblem);
        if (small.width != 16 || small.height != 16 || large.width != 32 || large.height != 32) {
            throw std::runtime_error("the window icon is 16 by 16 and 32 by 32");
        }
        struct Entry {
            const Image* image;
            int bits;
            std::vector<std::uint8_t> data;
        };
        std::vector<Entry> entries = {
            {&small, 4, {}}, {&small, 8, {}}, {&large, 4, {}}, {&large, 8, {}}};
        for (Entry& e : entries) e.data = iconImage(*e.image, e.bits);

        std::vector<std::uint8_t> file;
        put16(file, 0);  // ICONDIR
        put16(file, 1);  // an icon
        put16(file, static_cast<unsigned>(entries.size()));
        std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
        for (const Entry& e : entries) {
            file.push_back(static_cast<std::uint8_t>(e.image->width));
            file.push_back(static_cast<std::uint8_t>(e.image->height));
            file.push_back(static_cast<std::uint8_t>(e.bits == 4 ? 16 : 0));  // colours, 0 for 256
            file.push_back(0);
            put16(file, 1);  // planes
            put16(file, static_cast<unsigned>(e.bits));
            put32(file, static_cast<std::uint32_t>(e.data.size()));
            put32(file, offset);
            offset += static_cast<std::uint32_t>(e.data.size());
        }
        for (const Entry& e : entries) file.insert(file.end(), e.data.begin(), e.data.end());

        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()),
                  static_cast<std::streamsize>(file.size()));
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "klonkatron_make_icon: %s\n", error.what());
        return 1;
    }
    return 0;
}
