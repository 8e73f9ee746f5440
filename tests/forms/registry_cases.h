#pragma once

// One table of registry cases for every implementation of Registry: the
// in-memory registry here, and on Windows advapi32 itself and the layer
// over it. Each runner stores the same fixtures under the same key, in its
// own way, and every case must give the same results on all of them.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/system/registry.h"

namespace klonkatron::testing::registry_cases {

using forms::Registry;
using namespace forms::reg;

// The key the fixtures are stored under, below HKEY_CURRENT_USER: a key any
// user may create, on Windows as in a throwaway Wine prefix.
inline constexpr Registry::Key kRoot = kHkeyCurrentUser;
inline constexpr const char* kKey = "Software\\Klonkatron\\RegistryCases";

struct Fixture {
    const char* name;
    std::uint32_t type;
    std::string data;  // the bytes stored, exactly: a text's zero only where written
};

inline const std::vector<Fixture>& fixtures() {
    static const std::vector<Fixture> all = {
        {"ended", kRegSz, std::string("abc\0", 4)},
        {"bare", kRegSz, "abcd"},
        {"long", kRegSz, std::string(10, 'a') + '\0'},
        {"inner", kRegSz, std::string("ab\0cd\0", 6)},
        {"ansi", kRegSz, std::string("caf\xE9 \x80\0", 7)},  // the ANSI code page's own bytes
        {"empty", kRegSz, ""},
        {"number", kRegDword, std::string("\x10\x01\x00\x00", 4)},
        {"expand", kRegExpandSz, std::string("%WINDIR%\0", 9)},
        {"multi", kRegMultiSz, std::string("a\0b\0\0", 5)},
        {"binary", kRegBinary, std::string("\x01\x02\x03", 3)},
    };
    return all;
}

// What a case does: open a key and read one value, or close a key twice.
enum class Action { OpenAndQuery, CloseTwice };

inline constexpr size_t kBuffer = 16;
inline constexpr char kFill = '\xEE';  // every byte of the buffer before the query

struct Case {
    const char* name;
    Action action;
    std::string key;        // below kRoot
    const char* value;      // the value read
    std::uint32_t offered;  // bytes of the buffer offered
    std::int32_t opened;    // the result of the open
    std::int32_t queried;   // the result of the query
    std::uint32_t type;     // the type and size given back, where the query
    std::uint32_t size;     //   succeeds or finds the buffer too small
    std::string buffer;     // the first bytes of the buffer after the query
};

inline std::string filled(std::string start) {
    start.resize(kBuffer, kFill);
    return start;
}
inline const std::string kUntouched = filled("");

inline const std::vector<Case>& cases() {
    const std::string key = kKey;
    static const std::vector<Case> all = {
        {"MissingKey", Action::OpenAndQuery, key + "\\Missing", "ended", 16, kErrorFileNotFound},
        {"MissingValue", Action::OpenAndQuery, key, "missing", 16, kErrorSuccess,
         kErrorFileNotFound, 0, 0, kUntouched},
        {"NamesIgnoreCase", Action::OpenAndQuery, "SOFTWARE\\klonkatron\\REGISTRYCASES", "ENDED",
         16, kErrorSuccess, kErrorSuccess, kRegSz, 4, filled(std::string("abc\0", 4))},
        {"TextWithItsZero", Action::OpenAndQuery, key, "ended", 16, kErrorSuccess, kErrorSuccess,
         kRegSz, 4, filled(std::string("abc\0", 4))},
        {"TextWithItsZeroFillingTheBuffer", Action::OpenAndQuery, key, "ended", 4, kErrorSuccess,
         kErrorSuccess, kRegSz, 4, filled(std::string("abc\0", 4))},
        // A zero is added where the buffer has room; the size is what was stored.
        {"TextWithoutItsZero", Action::OpenAndQuery, key, "bare", 16, kErrorSuccess, kErrorSuccess,
         kRegSz, 4, filled(std::string("abcd\0", 5))},
        {"TextWithoutItsZeroFillingTheBuffer", Action::OpenAndQuery, key, "bare", 4, kErrorSuccess,
         kErrorSuccess, kRegSz, 4, filled("abcd")},
        {"TextOverTheBuffer", Action::OpenAndQuery, key, "long", 10, kErrorSuccess, kErrorMoreData,
         kRegSz, 11, kUntouched},
        {"TextWithoutItsZeroOverTheBuffer", Action::OpenAndQuery, key, "bare", 3, kErrorSuccess,
         kErrorMoreData, kRegSz, 4, kUntouched},
        {"TextWithAZeroInside", Action::OpenAndQuery, key, "inner", 16, kErrorSuccess,
         kErrorSuccess, kRegSz, 6, filled(std::string("ab\0cd\0", 6))},
        {"AnsiTextByteForByte", Action::OpenAndQuery, key, "ansi", 16, kErrorSuccess, kErrorSuccess,
         kRegSz, 7, filled(std::string("caf\xE9 \x80\0", 7))},
        {"ZeroLengthValue", Action::OpenAndQuery, key, "empty", 16, kErrorSuccess, kErrorSuccess,
         kRegSz, 0, kUntouched},
        {"Number", Action::OpenAndQuery, key, "number", 16, kErrorSuccess, kErrorSuccess, kRegDword,
         4, filled(std::string("\x10\x01\x00\x00", 4))},
        {"NumberOverTheBuffer", Action::OpenAndQuery, key, "number", 3, kErrorSuccess,
         kErrorMoreData, kRegDword, 4, kUntouched},
        {"ExpandableTextUnexpanded", Action::OpenAndQuery, key, "expand", 16, kErrorSuccess,
         kErrorSuccess, kRegExpandSz, 9, filled(std::string("%WINDIR%\0", 9))},
        {"MultipleTexts", Action::OpenAndQuery, key, "multi", 16, kErrorSuccess, kErrorSuccess,
         kRegMultiSz, 5, filled(std::string("a\0b\0\0", 5))},
        {"Binary", Action::OpenAndQuery, key, "binary", 16, kErrorSuccess, kErrorSuccess,
         kRegBinary, 3, filled("\x01\x02\x03")},
        {"BinaryOverTheBuffer", Action::OpenAndQuery, key, "binary", 2, kErrorSuccess,
         kErrorMoreData, kRegBinary, 3, kUntouched},
        {"CloseTwice", Action::CloseTwice, key, "ended", 16, kErrorSuccess, kErrorInvalidHandle},
    };
    return all;
}

inline void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }
inline std::string nameOf(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

// Runs one case on a registry that holds the fixtures under kKey.
inline void run(Registry& registry, const Case& c) {
    Registry::Key key = 0xDEAD;
    ASSERT_EQ(registry.openKey(kRoot, c.key, 0, kKeyRead, key), c.opened);
    if (c.opened != kErrorSuccess) {
        EXPECT_EQ(key, 0U) << "a failed open gives no handle";
        return;
    }
    ASSERT_NE(key, 0U);

    std::array<std::uint8_t, kBuffer> buffer{};
    buffer.fill(static_cast<std::uint8_t>(kFill));
    std::uint32_t type = 0xFFFF;
    std::uint32_t size = c.offered;
    if (c.action == Action::CloseTwice) {
        EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
        EXPECT_EQ(registry.closeKey(key), c.queried);
        EXPECT_EQ(registry.queryValue(key, c.value, type, buffer, size), kErrorInvalidHandle);
        return;
    }

    EXPECT_EQ(registry.queryValue(key, c.value, type, buffer, size), c.queried);
    // Type and size mean something only where the value was found.
    if (c.queried == kErrorSuccess || c.queried == kErrorMoreData) {
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(size, c.size);
    }
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), c.buffer);
    EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
}

}  // namespace klonkatron::testing::registry_cases
