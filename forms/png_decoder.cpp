#include "forms/png_decoder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "forms/image_format_error.h"
#include "forms/inflate.h"

namespace forms {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kMaxSide = 16384;
constexpr std::uint64_t kMaxPixels = 16u << 20;
constexpr int kColourRgb = 2;
constexpr int kColourRgba = 6;

[[noreturn]] void fail(const std::string& what) { throw ImageFormatError(what); }

std::uint32_t bigEndian32(std::span<const std::uint8_t> bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

struct Chunk {
    std::string_view type;
    std::span<const std::uint8_t> data;
};

// Walks a file's chunks, checking that each lies within the file and
// carries its own checksum.
class ChunkReader {
public:
    explicit ChunkReader(std::span<const std::uint8_t> file) : file_(file) {
        if (file.size() < kSignature.size() ||
            !std::equal(kSignature.begin(), kSignature.end(), file.begin()))
            fail("not a PNG file");
        next_ = kSignature.size();
    }

    Chunk next() {
        if (file_.size() - next_ < 12) fail("the file ends early");
        const std::uint32_t length = bigEndian32(file_.subspan(next_, 4));
        if (length > file_.size() - next_ - 12) fail("the file ends early");
        const auto typeAndData = file_.subspan(next_ + 4, 4 + std::size_t{length});
        if (crc32(typeAndData) != bigEndian32(file_.subspan(next_ + 8 + length, 4)))
            fail("a chunk fails its checksum");
        next_ += 12 + std::size_t{length};
        return Chunk{std::string_view(reinterpret_cast<const char*>(typeAndData.data()), 4),
                     typeAndData.subspan(4)};
    }

private:
    std::span<const std::uint8_t> file_;
    std::size_t next_ = 0;
};

struct Header {
    std::uint32_t width;
    std::uint32_t height;
    int channels;
};

Header readHeader(const Chunk& chunk) {
    if (chunk.type != "IHDR" || chunk.data.size() != 13) fail("the file has no header");
    const auto& d = chunk.data;
    const Header header{bigEndian32(d.subspan(0, 4)), bigEndian32(d.subspan(4, 4)),
                        d[9] == kColourRgb ? 3 : 4};
    if (header.width == 0 || header.height == 0 || header.width > kMaxSide ||
        header.height > kMaxSide || std::uint64_t{header.width} * header.height > kMaxPixels)
        fail("the picture's size is out of range");
    if (d[8] != 8) fail("only eight bits a channel are read, not " + std::to_string(d[8]));
    if (d[9] != kColourRgb && d[9] != kColourRgba)
        fail("only RGB and RGBA pictures are read, not colour type " + std::to_string(d[9]));
    if (d[10] != 0 || d[11] != 0) fail("the file names an unknown compression or filter");
    if (d[12] != 0) fail("interlaced pictures are not read");
    return header;
}

int paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Undoes each row's filter in place; the rows are left one after another,
// each behind its filter byte.
void unfilter(std::vector<std::uint8_t>& raw, std::size_t rowBytes, std::size_t rows, int step) {
    for (std::size_t row = 0; row < rows; ++row) {
        std::uint8_t* line = raw.data() + row * (rowBytes + 1);
        const std::uint8_t filter = line[0];
        std::uint8_t* cur = line + 1;
        const std::uint8_t* prev = row > 0 ? cur - (rowBytes + 1) : nullptr;
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int left = i >= std::size_t(step) ? cur[i - step] : 0;
            const int up = prev ? prev[i] : 0;
            const int upLeft = prev && i >= std::size_t(step) ? prev[i - step] : 0;
            int predicted = 0;
            switch (filter) {
                case 0:
                    break;
                case 1:
                    predicted = left;
                    break;
                case 2:
                    predicted = up;
                    break;
                case 3:
                    predicted = (left + up) / 2;
                    break;
                case 4:
                    predicted = paeth(left, up, upLeft);
                    break;
                default:
                    fail("a row has an unknown filter " + std::to_string(filter));
            }
            cur[i] = static_cast<std::uint8_t>(cur[i] + predicted);
        }
    }
}

}  // namespace

PixelImage decodePng(std::span<const std::uint8_t> file) {
    ChunkReader chunks(file);
    const Header header = readHeader(chunks.next());
    std::vector<std::uint8_t> compressed;
    for (;;) {
        const Chunk chunk = chunks.next();
        if (chunk.type == "IEND") break;
        if (chunk.type == "IDAT") {
            compressed.insert(compressed.end(), chunk.data.begin(), chunk.data.end());
        } else if (chunk.type == "IHDR") {
            fail("the file has a second header");
        } else if ((chunk.type[0] & 0x20) == 0 && chunk.type != "PLTE") {
            // An upper-case first letter marks a chunk a reader must understand.
            fail("the file has a chunk that is not read: " + std::string(chunk.type));
        }
    }

    const std::size_t width = header.width;
    const std::size_t height = header.height;
    const std::size_t rowBytes = width * header.channels;
    std::vector<std::uint8_t> raw = inflateZlib(compressed, height * (rowBytes + 1));
    unfilter(raw, rowBytes, height, header.channels);

    PixelImage image{static_cast<int>(width), static_cast<int>(height), header.channels == 4, {}};
    image.pixels.resize(width * height);
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* in = raw.data() + y * (rowBytes + 1) + 1;
        for (std::size_t x = 0; x < width; ++x, in += header.channels) {
            const std::uint32_t alpha = header.channels == 4 ? in[3] : 0xFF;
            if (alpha != 0 && alpha != 0xFF)
                fail("an icon's pixel is partly clear; only wholly clear or opaque ones are read");
            image.pixels[y * width + x] =
                alpha == 0 ? 0
                           : (alpha << 24) | (std::uint32_t{in[0]} << 16) |
                                 (std::uint32_t{in[1]} << 8) | std::uint32_t{in[2]};
        }
    }
    return image;
}

}  // namespace forms
