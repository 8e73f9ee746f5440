// The shared table of registry cases on Windows: once on advapi32 itself,
// called straight, and once on the program's layer over it. The fixtures
// are written with the real RegCreateKeyExA and RegSetValueExA.
#include "forms/system/windows_system.h"
#include "tests/forms/registry_cases.h"
#include "tests/windows/windows_support.h"

namespace klonkatron::testing::registry_cases {
namespace {

HKEY predefined(Registry::Key key) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(key)));
}

// advapi32 with nothing in between: its handles are small numbers, which
// a Registry::Key holds.
class Advapi32 : public Registry {
public:
    std::int32_t openKey(Key root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, Key& opened) override {
        HKEY key = nullptr;
        const LONG result = RegOpenKeyExA(handle(root), subKey.c_str(), options, access, &key);
        const auto value = reinterpret_cast<ULONG_PTR>(key);
        EXPECT_LE(value, 0xFFFFFFFFU) << "a handle wider than 32 bits";
        opened = static_cast<Key>(value);
        return result;
    }
    std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            std::span<std::uint8_t> data, std::uint32_t& size) override {
        DWORD storedType = type;
        DWORD stored = size;
        const LONG result = RegQueryValueExA(handle(key), valueName.c_str(), nullptr, &storedType,
                                             data.data(), &stored);
        type = storedType;
        size = stored;
        return result;
    }
    std::int32_t closeKey(Key key) override { return RegCloseKey(handle(key)); }

private:
    static HKEY handle(Key key) {
        return key >= 0x80000000U ? predefined(key) : reinterpret_cast<HKEY>(ULONG_PTR{key});
    }
};

// The fixtures under kKey, afresh for every test.
void writeFixtures() {
    HKEY root = predefined(kRoot);
    RegDeleteTreeA(root, kKey);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (const Fixture& f : fixtures()) {
        // Windows counts a text's zero in that it was not told of when one
        // follows the bytes given; the byte after them is therefore no zero.
        std::vector<BYTE> data(f.data.begin(), f.data.end());
        data.push_back('X');
        EXPECT_EQ(
            RegSetValueExA(key, f.name, 0, f.type, data.data(), static_cast<DWORD>(f.data.size())),
            ERROR_SUCCESS)
            << f.name;
    }
    RegCloseKey(key);
}

class Advapi32Cases : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override { writeFixtures(); }
};

TEST_P(Advapi32Cases, AnswerAsTheTableSays) {
    Advapi32 registry;
    run(registry, GetParam());
}

TEST_P(Advapi32Cases, AnswerThroughTheProgramsLayerAlike) {
    forms::WindowsRegistry registry;
    run(registry, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, Advapi32Cases, ::testing::ValuesIn(cases()), nameOf);

// What the layer adds to advapi32.
class WindowsRegistryLayer : public ::testing::Test {
protected:
    void SetUp() override { writeFixtures(); }
    forms::WindowsRegistry registry;
};

TEST_F(WindowsRegistryLayer, HandlesAreItsOwnAndAnythingElseIsInvalid) {
    Registry::Key first = 0;
    Registry::Key second = 0;
    ASSERT_EQ(registry.openKey(kRoot, kKey, 0, kKeyRead, first), kErrorSuccess);
    ASSERT_EQ(registry.openKey(kRoot, kKey, 0, kKeyRead, second), kErrorSuccess);
    EXPECT_NE(first, second);

    // Neither a predefined key it does not know nor a number it never gave out.
    Registry::Key none = 1;
    EXPECT_EQ(registry.openKey(0x80000004U, kKey, 0, kKeyRead, none), kErrorInvalidHandle);
    EXPECT_EQ(none, 0U);
    EXPECT_EQ(registry.openKey(second + 4, "", 0, kKeyRead, none), kErrorInvalidHandle);
    std::array<std::uint8_t, 4> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(registry.queryValue(second + 4, "number", type, buffer, size), kErrorInvalidHandle);
    EXPECT_EQ(registry.closeKey(second + 4), kErrorInvalidHandle);

    EXPECT_EQ(registry.closeKey(first), kErrorSuccess);
    EXPECT_EQ(registry.closeKey(second), kErrorSuccess);
}

TEST_F(WindowsRegistryLayer, OpensBelowAnOpenKey) {
    Registry::Key software = 0;
    ASSERT_EQ(registry.openKey(kRoot, "Software\\Klonkatron", 0, kKeyRead, software),
              kErrorSuccess);
    Registry::Key key = 0;
    ASSERT_EQ(registry.openKey(software, "RegistryCases", 0, kKeyRead, key), kErrorSuccess);
    std::array<std::uint8_t, 4> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(registry.queryValue(key, "number", type, buffer, size), kErrorSuccess);
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
    EXPECT_EQ(registry.closeKey(software), kErrorSuccess);
}

TEST_F(WindowsRegistryLayer, AZeroByteInsideANameFindsNothing) {
    Registry::Key key = 1;
    // Read only up to the zero, the name would be the fixture key itself.
    EXPECT_EQ(registry.openKey(kRoot, std::string(kKey) + std::string("\0x", 2), 0, kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_EQ(key, 0U);
    ASSERT_EQ(registry.openKey(kRoot, kKey, 0, kKeyRead, key), kErrorSuccess);
    std::array<std::uint8_t, 4> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(registry.queryValue(key, std::string("number\0x", 8), type, buffer, size),
              kErrorFileNotFound);
    EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
}

}  // namespace
}  // namespace klonkatron::testing::registry_cases
