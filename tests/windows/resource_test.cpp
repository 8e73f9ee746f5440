// The program's Windows resources, read back from this test program, which
// links the same resource object as Klonkatron.exe: the version
// information Windows shows for the file, and the window icon in all four
// of its images, pixel for pixel against the XPM sources. Then the same,
// and the manifest, read back from the built Klonkatron.exe.
#include <gtest/gtest.h>

#include <cstring>

#include "packaging/windows/icon_image.h"
#include "tests/windows/windows_support.h"

// The sources of the icon, compiled in.
#include "art/icons/emblem.xpm"
#include "art/icons/hammer16.xpm"

namespace klonkatron::testing {
namespace {

using windows_icon::Rgb;

std::string selfPath() {
    std::vector<char> self(MAX_PATH);
    const DWORD n = GetModuleFileNameA(nullptr, self.data(), static_cast<DWORD>(self.size()));
    return {self.data(), n};
}

// Klonkatron.exe, as the build leaves it beside this test's folder.
std::string programPath() {
    return (programFolder().parent_path().parent_path() / "program" / "Klonkatron.exe").string();
}

std::vector<BYTE> versionInfo(const std::string& file = selfPath()) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    std::vector<BYTE> info(size);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, info.data())) info.clear();
    return info;
}

std::string versionString(std::vector<BYTE>& info, const std::string& name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) ||
        text == nullptr) {
        return "<missing>";
    }
    return text;
}

TEST(WindowsResources, VersionInformation) {
    std::vector<BYTE> info = versionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource";
    EXPECT_EQ(versionString(info, "FileVersion"), "1.05.0002");
    EXPECT_EQ(versionString(info, "ProductVersion"), "1.05.0002");
    EXPECT_EQ(versionString(info, "ProductName"), "Klonkatron");
    EXPECT_EQ(versionString(info, "InternalName"), "Klonkatron");
    EXPECT_EQ(versionString(info, "OriginalFilename"), "Klonkatron.exe");
    EXPECT_EQ(versionString(info, "Comments"), "Enjoy my game!, I did!");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDU);
    // Version 1.5, revision 2.
    EXPECT_EQ(fixed->dwFileVersionMS, (1U << 16) | 5U);
    EXPECT_EQ(fixed->dwFileVersionLS, 2U);
    EXPECT_EQ(fixed->dwProductVersionMS, (1U << 16) | 5U);
    EXPECT_EQ(fixed->dwProductVersionLS, 2U);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

// A resource's bytes, or none, of this program or of another module.
std::vector<BYTE> resource(LPCSTR type, LPCSTR name, HMODULE module = nullptr) {
    const HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    return {data, data + SizeofResource(module, found)};
}

std::uint32_t le32(const std::vector<BYTE>& d, size_t at) {
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) |
           (static_cast<std::uint32_t>(d[at + 3]) << 24);
}
std::uint16_t le16(const std::vector<BYTE>& d, size_t at) {
    return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}

#pragma pack(push, 2)
struct GroupEntry {  // GRPICONDIRENTRY
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Checks one icon image against its source: every opaque pixel has the
// source's colour (at 16 colours the nearest standard one), every
// transparent pixel is black under a set mask bit.
void expectImage(const std::vector<BYTE>& dib, const windows_icon::Image& source, int bits) {
    ASSERT_GE(dib.size(), 40U);
    EXPECT_EQ(le32(dib, 0), 40U);
    EXPECT_EQ(static_cast<int>(le32(dib, 4)), source.width);
    EXPECT_EQ(static_cast<int>(le32(dib, 8)), 2 * source.height);
    EXPECT_EQ(le16(dib, 14), bits);
    const size_t colours = size_t{1} << bits;
    const size_t palette = 40;
    const size_t colourRows = palette + 4 * colours;
    const size_t colourStride = static_cast<size_t>(((source.width * bits + 31) / 32) * 4);
    const size_t maskRows = colourRows + colourStride * static_cast<size_t>(source.height);
    const size_t maskStride = static_cast<size_t>(((source.width + 31) / 32) * 4);
    ASSERT_EQ(dib.size(), maskRows + maskStride * static_cast<size_t>(source.height));

    int wrong = 0;
    for (int y = 0; y < source.height; ++y) {
        const size_t row = static_cast<size_t>(source.height - 1 - y);  // bottom up
        for (int x = 0; x < source.width; ++x) {
            const BYTE packed =
                dib[colourRows + row * colourStride + static_cast<size_t>(bits == 8 ? x : x / 2)];
            const int index = bits == 8 ? packed : (x % 2 == 0 ? packed >> 4 : packed & 0x0F);
            const size_t entry = palette + 4 * static_cast<size_t>(index);
            const Rgb colour{dib[entry + 2], dib[entry + 1], dib[entry]};
            const bool masked = (dib[maskRows + row * maskStride + static_cast<size_t>(x / 8)] &
                                 (0x80 >> (x % 8))) != 0;
            const int pixel = source.at(x, y);
            Rgb expected{};
            if (pixel >= 0) {
                expected = source.colours[static_cast<size_t>(pixel)];
                if (bits == 4) {
                    expected = windows_icon::kStandardPalette[static_cast<size_t>(
                        windows_icon::nearestStandard(expected))];
                }
            }
            if (masked != (pixel < 0) || !(colour == expected)) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0) << source.width << " by " << source.height << " at " << bits << " bits";
}

TEST(WindowsResources, TheWindowIconInItsFourImages) {
    const std::vector<BYTE> group = resource(RT_GROUP_ICON, MAKEINTRESOURCEA(1));
    ASSERT_GE(group.size(), 6U) << "no icon group 1";
    ASSERT_EQ(le16(group, 2), 1U);  // icons, not cursors
    const std::uint16_t count = le16(group, 4);
    ASSERT_EQ(count, 4U);
    ASSERT_EQ(group.size(), 6U + count * sizeof(GroupEntry));

    const windows_icon::Image small = windows_icon::decodeXpm(hammer16);
    const windows_icon::Image large = windows_icon::decodeXpm(emblem);
    std::vector<std::string> found;
    for (std::uint16_t i = 0; i < count; ++i) {
        GroupEntry entry{};
        std::memcpy(&entry, group.data() + 6 + i * sizeof(GroupEntry), sizeof entry);
        found.push_back(std::to_string(entry.width) + "x" + std::to_string(entry.height) + "@" +
                        std::to_string(entry.bits));
        EXPECT_EQ(entry.colours, entry.bits == 4 ? 16 : 0);
        const std::vector<BYTE> image = resource(RT_ICON, MAKEINTRESOURCEA(entry.id));
        EXPECT_EQ(image.size(), entry.bytes);
        expectImage(image, entry.width == 16 ? small : large, entry.bits);
    }
    EXPECT_EQ(found, (std::vector<std::string>{"16x16@4", "16x16@8", "32x32@4", "32x32@8"}));
}

TEST(WindowsResources, WindowsPicksAndLoadsTheIconAtBothSizes) {
    std::vector<BYTE> group = resource(RT_GROUP_ICON, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(group.empty());
    for (const int size : {16, 32}) {
        const int id = LookupIconIdFromDirectoryEx(group.data(), TRUE, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(id, 0) << size;
        std::vector<BYTE> image = resource(RT_ICON, MAKEINTRESOURCEA(id));
        ASSERT_FALSE(image.empty());
        EXPECT_EQ(static_cast<int>(le32(image, 4)), size);
        EXPECT_EQ(le16(image, 14), 8) << "the 256-colour image is the better one";
        const HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()),
                                                    TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(WindowsResources, KlonkatronExeCarriesTheVersionTheIconAndTheManifest) {
    const std::string program = programPath();
    std::vector<BYTE> info = versionInfo(program);
    ASSERT_FALSE(info.empty()) << "no version resource in " << program;
    std::vector<BYTE> own = versionInfo();
    for (const char* name : {"FileVersion", "ProductVersion", "ProductName", "InternalName",
                             "OriginalFilename", "Comments"}) {
        EXPECT_EQ(versionString(info, name), versionString(own, name)) << name;
    }

    const HMODULE module = LoadLibraryExA(
        program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << program;
    EXPECT_EQ(resource(RT_GROUP_ICON, MAKEINTRESOURCEA(1), module),
              resource(RT_GROUP_ICON, MAKEINTRESOURCEA(1)));
    const std::vector<BYTE> bytes = resource(RT_MANIFEST, MAKEINTRESOURCEA(1), module);
    const std::string manifest(bytes.begin(), bytes.end());
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    FreeLibrary(module);
}

}  // namespace
}  // namespace klonkatron::testing
