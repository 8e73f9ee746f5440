#pragma once

#include <map>
#include <utility>

#include "forms/system/registry.h"

namespace forms {

// The keys a registry has open, by the handles it gave out for them:
// numbers of its own, four apart from 0x100 up, so that a handle stays 32
// bits wide whatever the width of a pointer and is never one of the
// predefined roots.
template <class Entry>
class HandleTable {
public:
    using Key = Registry::Key;

    Key add(Entry entry) {
        const Key handle = next_;
        next_ += 4;
        open_.emplace(handle, std::move(entry));
        return handle;
    }
    // The entry of an open handle, or nullptr.
    [[nodiscard]] const Entry* find(Key handle) const {
        const auto it = open_.find(handle);
        return it == open_.end() ? nullptr : &it->second;
    }
    // Forgets a handle; false if it was not open.
    bool remove(Key handle) { return open_.erase(handle) == 1; }

    [[nodiscard]] int size() const { return static_cast<int>(open_.size()); }
    [[nodiscard]] auto begin() const { return open_.begin(); }
    [[nodiscard]] auto end() const { return open_.end(); }

private:
    std::map<Key, Entry> open_;
    Key next_ = 0x100;
};

}  // namespace forms
