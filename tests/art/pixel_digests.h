#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// What every committed image decodes to, as a digest of its pixels: the art
// tests check the program's decoder against it on every platform, and Qt's
// reading of the files too. After `make art` redraws an image, the Qt test
// names the new digest to write here.
namespace klonkatron::art_test {

// FNV-1a over each pixel's 0xAARRGGBB word, least significant byte first.
inline std::uint64_t digestOf(std::span<const std::uint32_t> pixels) {
    std::uint64_t digest = 0xcbf29ce484222325ULL;
    for (const std::uint32_t word : pixels)
        for (int shift = 0; shift < 32; shift += 8) {
            digest ^= (word >> shift) & 0xFF;
            digest *= 0x100000001b3ULL;
        }
    return digest;
}

struct ImageDigest {
    std::string_view name;
    std::uint64_t digest;
};

inline constexpr ImageDigest kImageDigests[] = {
    {"attio", 0x427b44cfffeac9e7ULL},
    {"bang", 0x6e510646ebc5328dULL},
    {"bang2", 0x0824b3a71df6e958ULL},
    {"banner", 0x2612ca976ee9bba0ULL},
    {"bar1", 0xe34db8cc5193667cULL},
    {"bar10", 0xb7d9bde48ee9f77cULL},
    {"bar2", 0x8d95eb9eba07aa7cULL},
    {"bar3", 0x02fd65652817b97cULL},
    {"bar4", 0xee85ace2ec04837cULL},
    {"bar5", 0xb237ad10762fb67cULL},
    {"bar6", 0xcad4df7cce52297cULL},
    {"bar7", 0xfbf8fd0765edfb7cULL},
    {"bar8", 0x0ca1244375a7bc7cULL},
    {"bar9", 0x2df96c2c30b67b7cULL},
    {"dachshund", 0xaaec02d7892cbc77ULL},
    {"emblem", 0xd6e6d69b75da3494ULL},
    {"exit", 0xc5ae42f2cab85251ULL},
    {"femtio", 0x62bc05576c1c4d3aULL},
    {"form1_background", 0xaa2a75c5fd6b2d40ULL},
    {"fortio", 0xc28e631ca7b67d6aULL},
    {"hammer16", 0xdc756fb578c3a239ULL},
    {"hole", 0x00852a3f21515e69ULL},
    {"hundra", 0x89fbf7645eb24bceULL},
    {"ibm", 0x04579daebd528282ULL},
    {"ibm2", 0x83692c48e721d4c1ULL},
    {"mee", 0xfaa4c08523f9e1e0ULL},
    {"ner", 0x68df399428506a64ULL},
    {"nittio", 0xb39a35db33c29ec2ULL},
    {"question", 0x88406e53a979b5b7ULL},
    {"sextio", 0xc9493caa0c71f6b7ULL},
    {"sjuttio", 0x8ef680177c5b7567ULL},
    {"splash", 0x795ea52b765470afULL},
    {"table", 0x0d1aae8b9a5a7171ULL},
    {"tio", 0xeaa7bf6e763e588aULL},
    {"tjugo", 0x7eee7fe351e0138aULL},
    {"trettio", 0xef963b91ddb3f0aaULL},
    {"upp", 0x91c51b43a5177e0cULL},
};

}  // namespace klonkatron::art_test
