// The in-memory registry answers as the Windows ANSI registry functions do,
// down to the bytes of a buffer that is too small or a text without its
// terminating zero.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "forms/system/memory_registry.h"

namespace {

using namespace forms;
using namespace forms::reg;

std::vector<std::uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }

constexpr const char* kKey = "SOFTWARE\\Vendor\\Tool";

class RegistryTest : public ::testing::Test {
protected:
    // Opens kKey for reading; 0 when that fails.
    Registry::Key open(const std::string& path = kKey, std::uint32_t access = kKeyRead) {
        Registry::Key key = 0xDEAD;
        result = registry.openKey(kHkeyLocalMachine, path, 0, access, key);
        return key;
    }
    // Queries a value into a buffer of `offered` bytes, all 0xEE before.
    void query(Registry::Key key, const std::string& name, std::uint32_t offered) {
        buffer.fill(0xEE);
        type = 0xFFFF;
        size = offered;
        result = registry.queryValue(key, name, type, buffer, size);
    }
    [[nodiscard]] std::string read(size_t n) const { return {buffer.begin(), buffer.begin() + n}; }

    MemoryRegistry registry;
    std::int32_t result = -1;
    std::array<std::uint8_t, 16> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 0;
};

TEST_F(RegistryTest, MissingKeysAndValuesGiveFileNotFoundAndNoHandle) {
    EXPECT_EQ(open(), 0U);
    EXPECT_EQ(result, kErrorFileNotFound);

    registry.addKey(kHkeyLocalMachine, kKey);
    const Registry::Key key = open();
    ASSERT_EQ(result, kErrorSuccess);
    EXPECT_NE(key, 0U);
    query(key, "Missing", 16);
    EXPECT_EQ(result, kErrorFileNotFound);
    EXPECT_EQ(read(1), "\xEE");
}

TEST_F(RegistryTest, KeysAboveAStoredKeyExistAndNamesIgnoreCase) {
    registry.setValue(kHkeyLocalMachine, kKey, "Path", kRegSz, bytes("x"));
    open("software\\VENDOR");
    EXPECT_EQ(result, kErrorSuccess);
    const Registry::Key key = open("SOFTWARE\\vendor\\TOOL");
    ASSERT_EQ(result, kErrorSuccess);
    query(key, "PATH", 16);
    EXPECT_EQ(result, kErrorSuccess);
    EXPECT_EQ(read(1), "x");
}

TEST_F(RegistryTest, RefusedKeysAndRequestsToChangeGiveAccessDeniedAndNoHandle) {
    registry.addKey(kHkeyLocalMachine, kKey);
    // Read control and the six key rights include the right to change it.
    EXPECT_EQ(open(kKey, 0x2003F), 0U);
    EXPECT_EQ(result, kErrorAccessDenied);
    EXPECT_NE(open(kKey, kKeyRead), 0U);
    EXPECT_EQ(result, kErrorSuccess);

    registry.refuseAccess(kHkeyLocalMachine, kKey);
    EXPECT_EQ(open(kKey, kKeyQueryValue), 0U);
    EXPECT_EQ(result, kErrorAccessDenied);
}

TEST_F(RegistryTest, AnUnknownRootOrAClosedHandleIsInvalid) {
    Registry::Key key = 1;
    EXPECT_EQ(registry.openKey(0x1234, kKey, 0, kKeyRead, key), kErrorInvalidHandle);
    EXPECT_EQ(key, 0U);

    registry.setValue(kHkeyLocalMachine, kKey, "v", kRegSz, bytes("x"));
    key = open();
    EXPECT_EQ(registry.openHandles(), 1);
    EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
    EXPECT_EQ(registry.closeKey(key), kErrorInvalidHandle);
    EXPECT_EQ(registry.openHandles(), 0);
    query(key, "v", 16);
    EXPECT_EQ(result, kErrorInvalidHandle);
}

TEST_F(RegistryTest, AValueLargerThanTheBufferGivesMoreDataAndLeavesTheBuffer) {
    registry.setValue(kHkeyLocalMachine, kKey, "v", kRegSz, bytes(std::string(10, 'a') + '\0'));
    const Registry::Key key = open();
    query(key, "v", 10);
    EXPECT_EQ(result, kErrorMoreData);
    EXPECT_EQ(size, 11U);
    EXPECT_EQ(read(16), std::string(16, '\xEE'));

    // The size offered is what counts, even where the span holds more.
    query(key, "v", 11);
    EXPECT_EQ(result, kErrorSuccess);
    EXPECT_EQ(size, 11U);
    EXPECT_EQ(read(12), std::string(10, 'a') + '\0' + '\xEE');
}

TEST_F(RegistryTest, TextWithoutItsZeroGetsOneOnlyWhereThereIsRoom) {
    registry.setValue(kHkeyLocalMachine, kKey, "bare", kRegSz, bytes("abcd"));
    registry.setValue(kHkeyLocalMachine, kKey, "ended", kRegSz, bytes(std::string("abc") + '\0'));
    const Registry::Key key = open();

    query(key, "bare", 16);
    EXPECT_EQ(result, kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 4U);  // what was stored, not counting the zero added
    EXPECT_EQ(read(6), std::string("abcd") + '\0' + '\xEE');

    query(key, "bare", 4);  // exactly the stored bytes: no room for a zero
    EXPECT_EQ(result, kErrorSuccess);
    EXPECT_EQ(size, 4U);
    EXPECT_EQ(read(5), "abcd\xEE");

    query(key, "ended", 16);
    EXPECT_EQ(size, 4U);
    EXPECT_EQ(read(5), std::string("abc") + '\0' + '\xEE');
}

TEST_F(RegistryTest, ZeroLengthNumbersAndExpandableTextComeBackRaw) {
    registry.setValue(kHkeyLocalMachine, kKey, "empty", kRegSz, {});
    registry.setValue(kHkeyLocalMachine, kKey, "number", kRegDword, {0x10, 0x01, 0x00, 0x00});
    registry.setValue(kHkeyLocalMachine, kKey, "expand", kRegExpandSz,
                      bytes(std::string("%WINDIR%") + '\0'));
    const Registry::Key key = open();

    query(key, "empty", 16);
    EXPECT_EQ(result, kErrorSuccess);
    EXPECT_EQ(size, 0U);
    EXPECT_EQ(read(1), "\xEE");

    query(key, "number", 16);
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(size, 4U);
    EXPECT_EQ(read(5), std::string("\x10\x01\x00\x00\xEE", 5));

    query(key, "expand", 16);
    EXPECT_EQ(type, kRegExpandSz);
    EXPECT_EQ(size, 9U);
    EXPECT_EQ(read(9), std::string("%WINDIR%") + '\0');
}

TEST_F(RegistryTest, AClearedRegistryFindsNothingThroughHandlesStillOpen) {
    registry.setValue(kHkeyLocalMachine, kKey, "v", kRegSz, bytes("x"));
    const Registry::Key key = open();
    registry.clear();
    query(key, "v", 16);
    EXPECT_EQ(result, kErrorFileNotFound);
    EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
}

}  // namespace
