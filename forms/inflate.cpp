#include "forms/inflate.h"

#include <array>
#include <utility>

#include "forms/image_format_error.h"

namespace forms {
namespace {

constexpr int kMaxCodeBits = 15;
constexpr int kLiteralLengthSymbols = 288;  // 286 usable; the fixed code names 288
constexpr int kDistanceSymbols = 30;
constexpr int kEndOfBlock = 256;

[[noreturn]] void fail(const char* what) { throw ImageFormatError(what); }

// Reads a deflate stream's bits, least significant first.
class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> in) : in_(in) {}

    std::uint32_t bits(int count) {
        while (available_ < count) {
            if (next_ >= in_.size()) fail("the compressed data ends early");
            buffer_ |= std::uint32_t{in_[next_++]} << available_;
            available_ += 8;
        }
        const std::uint32_t value = buffer_ & ((std::uint32_t{1} << count) - 1);
        buffer_ >>= count;
        available_ -= count;
        return value;
    }

    // Drops the bits left of the current byte; fewer than eight are ever
    // buffered, so what follows starts at the next whole byte.
    void alignToByte() {
        buffer_ = 0;
        available_ = 0;
    }

    std::uint8_t byte() {
        if (next_ >= in_.size()) fail("the compressed data ends early");
        return in_[next_++];
    }

    [[nodiscard]] std::size_t bytesLeft() const { return in_.size() - next_; }

private:
    std::span<const std::uint8_t> in_;
    std::size_t next_ = 0;
    std::uint32_t buffer_ = 0;
    int available_ = 0;
};

// A canonical Huffman code: how many codes of each length, and the symbols
// in code order.
struct HuffmanCode {
    std::array<std::uint16_t, kMaxCodeBits + 1> countOfLength{};
    std::vector<std::uint16_t> symbols;
};

HuffmanCode codeFromLengths(std::span<const std::uint8_t> lengths) {
    HuffmanCode code;
    for (const std::uint8_t length : lengths) ++code.countOfLength[length];
    // More codes of a length than the lengths before leave room for: no code.
    int room = 1;
    for (int length = 1; length <= kMaxCodeBits; ++length) {
        room = room * 2 - code.countOfLength[length];
        if (room < 0) fail("the compressed data has an impossible code");
    }
    std::array<std::uint16_t, kMaxCodeBits + 2> offset{};
    for (int length = 1; length <= kMaxCodeBits; ++length)
        offset[length + 1] = offset[length] + code.countOfLength[length];
    code.symbols.resize(offset[kMaxCodeBits + 1]);
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol)
        if (lengths[symbol] != 0)
            code.symbols[offset[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);
    return code;
}

int decodeSymbol(BitReader& in, const HuffmanCode& code) {
    int value = 0;  // the bits read so far
    int first = 0;  // the first code of the current length
    int index = 0;  // the first code's place among the symbols
    for (int length = 1; length <= kMaxCodeBits; ++length) {
        value |= static_cast<int>(in.bits(1));
        const int count = code.countOfLength[length];
        if (value - first < count) return code.symbols[index + value - first];
        index += count;
        first = (first + count) << 1;
        value <<= 1;
    }
    fail("the compressed data uses a code it did not define");
}

class Inflater {
public:
    Inflater(std::span<const std::uint8_t> stream, std::size_t size) : in_(stream), limit_(size) {
        out_.reserve(size);
    }

    std::vector<std::uint8_t> run() {
        bool last = false;
        while (!last) {
            last = in_.bits(1) != 0;
            switch (in_.bits(2)) {
                case 0:
                    storedBlock();
                    break;
                case 1:
                    fixedBlock();
                    break;
                case 2:
                    dynamicBlock();
                    break;
                default:
                    fail("the compressed data has a block of an unknown kind");
            }
        }
        in_.alignToByte();
        return std::move(out_);
    }

    BitReader& input() { return in_; }

private:
    void put(std::uint8_t byte) {
        if (out_.size() >= limit_) fail("the compressed data unpacks to more than the image");
        out_.push_back(byte);
    }

    // A stored block's 16-bit numbers, least significant byte first.
    unsigned twoBytes() {
        const unsigned low = in_.byte();
        return low | (unsigned{in_.byte()} << 8);
    }

    void storedBlock() {
        in_.alignToByte();
        const unsigned length = twoBytes();
        const unsigned complement = twoBytes();
        if ((length ^ 0xFFFFu) != complement) fail("the compressed data has a damaged block");
        for (unsigned i = 0; i < length; ++i) put(in_.byte());
    }

    void fixedBlock() {
        static const auto codes = [] {
            std::array<std::uint8_t, kLiteralLengthSymbols> lengths{};
            for (int symbol = 0; symbol < kLiteralLengthSymbols; ++symbol)
                lengths[symbol] = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
            std::array<std::uint8_t, kDistanceSymbols> distances{};
            distances.fill(5);
            return std::pair{codeFromLengths(lengths), codeFromLengths(distances)};
        }();
        codedBlock(codes.first, codes.second);
    }

    void dynamicBlock() {
        const int literalCount = static_cast<int>(in_.bits(5)) + 257;
        const int distanceCount = static_cast<int>(in_.bits(5)) + 1;
        const int lengthCodeCount = static_cast<int>(in_.bits(4)) + 4;
        if (literalCount > 286 || distanceCount > kDistanceSymbols)
            fail("the compressed data has too many codes");

        static constexpr std::array<std::uint8_t, 19> kOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                             11, 4,  12, 3, 13, 2, 14, 1, 15};
        std::array<std::uint8_t, 19> lengthCodeLengths{};
        for (int i = 0; i < lengthCodeCount; ++i)
            lengthCodeLengths[kOrder[i]] = static_cast<std::uint8_t>(in_.bits(3));
        const HuffmanCode lengthCode = codeFromLengths(lengthCodeLengths);

        std::array<std::uint8_t, 286 + kDistanceSymbols> lengths{};
        const int total = literalCount + distanceCount;
        for (int at = 0; at < total;) {
            const int symbol = decodeSymbol(in_, lengthCode);
            if (symbol < 16) {
                lengths[at++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t repeated = 0;
            int times = 0;
            if (symbol == 16) {
                if (at == 0) fail("the compressed data repeats a length before the first");
                repeated = lengths[at - 1];
                times = 3 + static_cast<int>(in_.bits(2));
            } else if (symbol == 17) {
                times = 3 + static_cast<int>(in_.bits(3));
            } else {
                times = 11 + static_cast<int>(in_.bits(7));
            }
            if (at + times > total) fail("the compressed data has too many code lengths");
            while (times-- > 0) lengths[at++] = repeated;
        }
        if (lengths[kEndOfBlock] == 0) fail("the compressed data cannot end its block");
        codedBlock(codeFromLengths(std::span(lengths).first(literalCount)),
                   codeFromLengths(std::span(lengths).subspan(literalCount, distanceCount)));
    }

    void codedBlock(const HuffmanCode& literals, const HuffmanCode& distances) {
        static constexpr std::array<std::uint16_t, 29> kLengthBase{
            3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr std::array<std::uint8_t, 29> kLengthExtra{
            0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        static constexpr std::array<std::uint16_t, kDistanceSymbols> kDistanceBase{
            1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
            193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
        static constexpr std::array<std::uint8_t, kDistanceSymbols> kDistanceExtra{
            0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

        for (;;) {
            const int symbol = decodeSymbol(in_, literals);
            if (symbol < 256) {
                put(static_cast<std::uint8_t>(symbol));
                continue;
            }
            if (symbol == kEndOfBlock) return;
            const int lengthSymbol = symbol - 257;
            if (lengthSymbol >= static_cast<int>(kLengthBase.size()))
                fail("the compressed data has a length beyond the last");
            const std::size_t length =
                kLengthBase[lengthSymbol] + in_.bits(kLengthExtra[lengthSymbol]);
            const int distanceSymbol = decodeSymbol(in_, distances);
            if (distanceSymbol >= kDistanceSymbols)
                fail("the compressed data has a distance beyond the last");
            const std::size_t distance =
                kDistanceBase[distanceSymbol] + in_.bits(kDistanceExtra[distanceSymbol]);
            if (distance > out_.size()) fail("the compressed data refers to before its start");
            for (std::size_t i = 0; i < length; ++i) put(out_[out_.size() - distance]);
        }
    }

    BitReader in_;
    std::size_t limit_;
    std::vector<std::uint8_t> out_;
};

std::uint32_t adler32(std::span<const std::uint8_t> data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

}  // namespace

std::vector<std::uint8_t> inflateZlib(std::span<const std::uint8_t> stream, std::size_t size) {
    if (stream.size() < 2) fail("the compressed data ends early");
    const unsigned method = stream[0];
    const unsigned flags = stream[1];
    if ((method & 0x0F) != 8 || (method >> 4) > 7 || (method * 256 + flags) % 31 != 0 ||
        (flags & 0x20) != 0)
        fail("the compressed data is not a zlib stream");
    Inflater inflater(stream.subspan(2), size);
    std::vector<std::uint8_t> out = inflater.run();
    if (out.size() != size) fail("the compressed data unpacks to less than the image");
    BitReader& in = inflater.input();
    std::uint32_t check = 0;
    for (int i = 0; i < 4; ++i) check = (check << 8) | in.byte();
    if (check != adler32(out)) fail("the compressed data fails its checksum");
    if (in.bytesLeft() != 0) fail("the compressed data is followed by more");
    return out;
}

}  // namespace forms
