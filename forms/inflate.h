#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace forms {

// Unpacks a zlib stream (deflate, as PNG files carry it) whose unpacked size
// is known in advance. Input that is not exactly such a stream, or that
// would unpack to more or less than `size` bytes, raises ImageFormatError;
// the input is only read within its bounds.
std::vector<std::uint8_t> inflateZlib(std::span<const std::uint8_t> stream, std::size_t size);

}  // namespace forms
