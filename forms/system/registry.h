#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace forms {

// The three registry functions of the Windows ANSI interface, with the call
// semantics their callers rely on on every system: results are Windows error
// codes, handles are 32-bit values, texts are bytes of the ANSI code page.
class Registry {
public:
    using Key = std::uint32_t;

    virtual ~Registry() = default;

    // RegOpenKeyExA. On success `opened` holds a new handle; on any failure
    // it is 0 and there is nothing to close.
    virtual std::int32_t openKey(Key root, const std::string& subKey, std::uint32_t options,
                                 std::uint32_t access, Key& opened) = 0;

    // RegQueryValueExA. `size` comes in as the number of bytes offered in
    // `data` (never more than the span holds) and goes out as the number of
    // bytes the value holds. A value that does not fit leaves `data` as it
    // was and gives kErrorMoreData with the size it needs.
    virtual std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                                    std::span<std::uint8_t> data, std::uint32_t& size) = 0;

    // RegCloseKey. A handle that is not open gives kErrorInvalidHandle.
    virtual std::int32_t closeKey(Key key) = 0;
};

// The constants of that interface, under the names Windows gives them.
namespace reg {

inline constexpr Registry::Key kHkeyClassesRoot = 0x80000000;
inline constexpr Registry::Key kHkeyCurrentUser = 0x80000001;
inline constexpr Registry::Key kHkeyLocalMachine = 0x80000002;
inline constexpr Registry::Key kHkeyUsers = 0x80000003;
inline constexpr Registry::Key kHkeyCurrentConfig = 0x80000005;

inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// Access rights of a key.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyNotify = 0x0010;
inline constexpr std::uint32_t kKeyCreateLink = 0x0020;
inline constexpr std::uint32_t kDelete = 0x00010000;
inline constexpr std::uint32_t kReadControl = 0x00020000;
inline constexpr std::uint32_t kWriteDac = 0x00040000;
inline constexpr std::uint32_t kWriteOwner = 0x00080000;
// Read control, query value, enumerate subkeys and notify: 0x20019.
inline constexpr std::uint32_t kKeyRead =
    kReadControl | kKeyQueryValue | kKeyEnumerateSubKeys | kKeyNotify;
// The rights that would change a key.
inline constexpr std::uint32_t kWriteRights =
    kKeySetValue | kKeyCreateSubKey | kKeyCreateLink | kDelete | kWriteDac | kWriteOwner;

}  // namespace reg
}  // namespace forms
