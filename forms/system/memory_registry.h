#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "forms/system/handle_table.h"
#include "forms/system/registry.h"

namespace forms {

// A read-only registry held in memory, with the Windows call semantics of
// Registry: the registry of systems that have none, and of tests. Key paths
// and value names compare without regard to case, as on Windows; values are
// stored as the raw bytes given, so a text may lack its terminating zero.
class MemoryRegistry : public Registry {
public:
    // Stores a value, creating its key and the keys above it.
    void setValue(Key root, std::string_view keyPath, std::string_view valueName,
                  std::uint32_t type, std::vector<std::uint8_t> data);
    // Creates a key (and the keys above it) without values.
    void addKey(Key root, std::string_view keyPath);
    // Makes a key refuse every open, as one the user has no rights to.
    void refuseAccess(Key root, std::string_view keyPath);
    // Removes every key; open handles stay open but find nothing.
    void clear() { keys_.clear(); }

    // The handles opened and not yet closed.
    [[nodiscard]] int openHandles() const { return handles_.size(); }

    std::int32_t openKey(Key root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, Key& opened) override;
    std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            std::span<std::uint8_t> data, std::uint32_t& size) override;
    std::int32_t closeKey(Key key) override;

private:
    struct Value {
        std::uint32_t type = reg::kRegNone;
        std::vector<std::uint8_t> data;
    };
    struct StoredKey {
        bool refused = false;
        std::map<std::string, Value> values;  // by folded name
    };

    // The folded full path of a key below a predefined root or an open key,
    // or false when `root` is neither.
    bool fullPath(Key root, std::string_view subKey, std::string& path) const;
    StoredKey& makeKey(Key root, std::string_view keyPath);

    std::map<std::string, StoredKey> keys_;  // by folded full path
    HandleTable<std::string> handles_;       // open handle -> folded full path
};

}  // namespace forms
