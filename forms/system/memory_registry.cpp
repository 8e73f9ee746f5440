#include "forms/system/memory_registry.h"

#include <algorithm>

namespace forms {
namespace {

std::string folded(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

bool isPredefined(Registry::Key key) {
    return key == reg::kHkeyClassesRoot || key == reg::kHkeyCurrentUser ||
           key == reg::kHkeyLocalMachine || key == reg::kHkeyUsers ||
           key == reg::kHkeyCurrentConfig;
}

bool isText(std::uint32_t type) {
    return type == reg::kRegSz || type == reg::kRegExpandSz || type == reg::kRegMultiSz;
}

}  // namespace

bool MemoryRegistry::fullPath(Key root, std::string_view subKey, std::string& path) const {
    if (isPredefined(root)) {
        path = "root:" + std::to_string(root);
    } else if (const std::string* open = handles_.find(root)) {
        path = *open;
    } else {
        return false;
    }
    if (!subKey.empty()) path += "\\" + folded(subKey);
    return true;
}

MemoryRegistry::StoredKey& MemoryRegistry::makeKey(Key root, std::string_view keyPath) {
    std::string path;
    fullPath(root, {}, path);
    keys_[path];
    for (size_t from = 0; from <= keyPath.size();) {
        const size_t end = std::min(keyPath.find('\\', from), keyPath.size());
        fullPath(root, keyPath.substr(0, end), path);
        keys_[path];
        from = end + 1;
    }
    return keys_[path];
}

void MemoryRegistry::setValue(Key root, std::string_view keyPath, std::string_view valueName,
                              std::uint32_t type, std::vector<std::uint8_t> data) {
    makeKey(root, keyPath).values[folded(valueName)] = Value{type, std::move(data)};
}

void MemoryRegistry::addKey(Key root, std::string_view keyPath) { makeKey(root, keyPath); }

void MemoryRegistry::refuseAccess(Key root, std::string_view keyPath) {
    makeKey(root, keyPath).refused = true;
}

std::int32_t MemoryRegistry::openKey(Key root, const std::string& subKey, std::uint32_t /*options*/,
                                     std::uint32_t access, Key& opened) {
    opened = 0;
    std::string path;
    if (!fullPath(root, subKey, path)) return reg::kErrorInvalidHandle;
    const auto key = keys_.find(path);
    if (key == keys_.end()) return reg::kErrorFileNotFound;
    // Nothing here can be changed, so a request for a right to change fails.
    if (key->second.refused || (access & reg::kWriteRights) != 0) return reg::kErrorAccessDenied;
    opened = handles_.add(path);
    return reg::kErrorSuccess;
}

std::int32_t MemoryRegistry::queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                                        std::span<std::uint8_t> data, std::uint32_t& size) {
    const std::string* open = handles_.find(key);
    if (open == nullptr) return reg::kErrorInvalidHandle;
    const auto stored = keys_.find(*open);
    if (stored == keys_.end()) return reg::kErrorFileNotFound;
    const auto value = stored->second.values.find(folded(valueName));
    if (value == stored->second.values.end()) return reg::kErrorFileNotFound;

    const std::vector<std::uint8_t>& bytes = value->second.data;
    const size_t offered = std::min<size_t>(size, data.size());
    type = value->second.type;
    size = static_cast<std::uint32_t>(bytes.size());
    if (bytes.size() > offered) return reg::kErrorMoreData;
    std::copy(bytes.begin(), bytes.end(), data.begin());
    // Text stored without its terminating zero gets one where there is room;
    // the size still tells what was stored.
    if (isText(type) && !bytes.empty() && bytes.back() != 0 && bytes.size() < offered) {
        data[bytes.size()] = 0;
    }
    return reg::kErrorSuccess;
}

std::int32_t MemoryRegistry::closeKey(Key key) {
    return handles_.remove(key) ? reg::kErrorSuccess : reg::kErrorInvalidHandle;
}

}  // namespace forms
