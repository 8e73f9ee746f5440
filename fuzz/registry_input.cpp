#include "fuzz/registry_input.h"

#include <algorithm>

namespace klonkatron::fuzz {
namespace {

constexpr std::uint8_t kPathStored = 0x01;
constexpr std::uint8_t kFolderStored = 0x02;
constexpr std::uint8_t kPathKeyRefused = 0x04;
constexpr std::uint8_t kFolderKeyRefused = 0x08;
constexpr std::uint8_t kSizesReported = 0x10;
constexpr std::uint8_t kToolInFolder = 0x20;
constexpr std::uint8_t kStartSucceeds = 0x40;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> input) : input_(input) {}

    std::uint32_t number(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return value;
    }
    std::vector<std::uint8_t> bytes(size_t count) {
        const auto taken = input_.first(std::min(count, input_.size()));
        input_ = input_.subspan(taken.size());
        return {taken.begin(), taken.end()};
    }

private:
    std::uint8_t byte() {
        if (input_.empty()) return 0;
        const std::uint8_t value = input_.front();
        input_ = input_.subspan(1);
        return value;
    }

    std::span<const std::uint8_t> input_;
};

StoredValue readValue(Reader& reader, bool sizeReported) {
    StoredValue value;
    value.type = reader.number(4);
    if (sizeReported) value.reportedSize = reader.number(4);
    value.bytes = reader.bytes(reader.number(2));
    return value;
}

}  // namespace

RegistryScenario readScenario(std::span<const std::uint8_t> input) {
    Reader reader(input);
    const auto flags = static_cast<std::uint8_t>(reader.number(1));
    const bool sizes = (flags & kSizesReported) != 0;
    RegistryScenario scenario;
    if ((flags & kPathStored) != 0) scenario.path = readValue(reader, sizes);
    if ((flags & kFolderStored) != 0) scenario.folder = readValue(reader, sizes);
    scenario.pathKeyRefused = (flags & kPathKeyRefused) != 0;
    scenario.folderKeyRefused = (flags & kFolderKeyRefused) != 0;
    scenario.toolInFolder = (flags & kToolInFolder) != 0;
    scenario.startSucceeds = (flags & kStartSucceeds) != 0;
    return scenario;
}

}  // namespace klonkatron::fuzz
