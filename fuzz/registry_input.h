#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace klonkatron::fuzz {

// One registry value as the fuzzer stores it.
struct StoredValue {
    std::uint32_t type = 0;
    // The size the registry reports on success, where it reports one of its
    // own instead of the number of bytes stored.
    std::optional<std::uint32_t> reportedSize;
    std::vector<std::uint8_t> bytes;
};

// What the system around the About window holds for one run.
struct RegistryScenario {
    std::optional<StoredValue> path;    // "PATH", the tool's full path
    std::optional<StoredValue> folder;  // "MSINFO", the tool's folder
    bool pathKeyRefused = false;
    bool folderKeyRefused = false;
    bool toolInFolder = false;  // a normal file "MSINFO32.EXE" is there
    bool startSucceeds = false;
};

// Reads a scenario from the fuzzer's bytes, front to back, little-endian:
//   flags (1 byte):  0x01 PATH stored, 0x02 MSINFO stored,
//                    0x04 PATH's key refused, 0x08 MSINFO's key refused,
//                    0x10 the registry reports sizes of its own,
//                    0x20 the tool is in the folder, 0x40 a start succeeds;
//   then PATH's value, then MSINFO's, each where stored:
//     type (4 bytes), reported size (4 bytes, only with 0x10),
//     length (2 bytes), that many bytes (fewer where the input ends).
// Missing fields read as zero.
RegistryScenario readScenario(std::span<const std::uint8_t> input);

}  // namespace klonkatron::fuzz
