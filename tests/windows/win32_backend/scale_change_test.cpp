// A window of Klonkatron.exe whose monitor changes its scale while it is
// open: it takes the new scale as if it had started at it. On a display,
// under Wine (on_display.sh).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "backends/win32/text.h"
#include "designs/window_names.h"
#include "program/win32_program.h"

namespace klonkatron::testing {
namespace {

// A window's client area as it shows, read back from the screen.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top-down

    [[nodiscard]] std::uint32_t at(int x, int y) const {
        return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF;
    }
};

Capture capture(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    Capture c{client.right, client.bottom, {}};
    c.pixels.resize(static_cast<size_t>(c.width) * c.height);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, c.width, c.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, c.width, c.height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), c.width, -c.height, 1, 32, BI_RGB};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(c.height), c.pixels.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return c;
}

using Size = std::pair<LONG, LONG>;
using Place = std::array<LONG, 4>;  // left, top, right, bottom

Size clientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// A child control's place in its window's client area.
Place placeOf(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

LONG fontHeightOf(HWND child) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The width of the pointer the program has set.
LONG pointerWidth() {
    ICONINFO info{};
    if (!GetIconInfo(GetCursor(), &info)) return 0;
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    return mask.bmWidth;
}

class ScaleChange : public ::testing::Test {
protected:
    ScaleChange() = default;
    ~ScaleChange() override { program.app().end(); }
    ScaleChange(const ScaleChange&) = delete;
    ScaleChange& operator=(const ScaleChange&) = delete;

    // The window of a form, shown.
    HWND show(const char* name) {
        const forms::Form& form = program.app().show(name);
        return FindWindowW(L"KlonkatronForm", forms::win32::wide(form.design().caption).c_str());
    }
    // What the system says when the window's monitor goes to `dpi`: the
    // window's new place, its size there only the system's guess.
    static void changeTo(HWND window, int dpi, RECT suggested) {
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }

    Win32Program program{SystemChoice::Unavailable};
};

TEST_F(ScaleChange, TheWindowGrowsAndShrinksWithItsMonitor) {
    const HWND about = show(window::kAbout);
    const HWND ok = FindWindowExW(about, nullptr, L"BUTTON", L"OK");
    const HWND credits = FindWindowExW(about, nullptr, L"EDIT", nullptr);
    ASSERT_NE(about, nullptr);
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(credits, nullptr);
    ASSERT_EQ(clientSize(about), (Size{346, 218}));
    const Capture at1x = capture(about);
    const LONG fontAt1x = fontHeightOf(credits);

    changeTo(about, 192, RECT{100, 50, 700, 500});
    EXPECT_EQ(clientSize(about), (Size{692, 436}));
    RECT outer{};
    GetWindowRect(about, &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
    EXPECT_EQ(placeOf(ok), (Place{16, 368, 194, 418}));
    EXPECT_EQ(fontHeightOf(credits), 2 * fontAt1x);
    // Every picture pixel a square of 2 by 2: the emblem, the etched rule.
    const Capture at2x = capture(about);
    for (const POINT p :
         {POINT{10, 10}, POINT{24, 20}, POINT{30, 36}, POINT{100, 171}, POINT{300, 172}}) {
        EXPECT_EQ(at2x.at(2 * p.x, 2 * p.y), at1x.at(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(at2x.at(2 * p.x + 1, 2 * p.y + 1), at1x.at(p.x, p.y)) << p.x << "," << p.y;
    }
    EXPECT_EQ(at1x.at(100, 171), 0x808080U);

    // A fractional scale, then back where it started.
    changeTo(about, 144, RECT{120, 60, 500, 400});
    EXPECT_EQ(clientSize(about), (Size{519, 327}));
    EXPECT_EQ(placeOf(ok), (Place{12, 276, 146, 314}));
    changeTo(about, 96, RECT{2, 3, 10, 10});
    EXPECT_EQ(clientSize(about), (Size{346, 218}));
    GetWindowRect(about, &outer);
    EXPECT_EQ(outer.left, 2);
    EXPECT_EQ(outer.top, 3);
    EXPECT_EQ(fontHeightOf(credits), fontAt1x);
    const Capture again = capture(about);
    EXPECT_EQ(again.pixels, at1x.pixels);
}

TEST_F(ScaleChange, ThePointerOverTheWindowTakesTheNewScale) {
    const HWND board = show(window::kBoard);
    ASSERT_NE(board, nullptr);
    POINT middle{164, 140};
    ClientToScreen(board, &middle);
    SetCursorPos(middle.x, middle.y);
    // The window stays where it is, under the pointer.
    RECT place{};
    GetWindowRect(board, &place);
    changeTo(board, 96, place);
    const LONG at1x = pointerWidth();
    EXPECT_GT(at1x, 0);
    changeTo(board, 192, place);
    EXPECT_EQ(pointerWidth(), 2 * at1x);
}

}  // namespace
}  // namespace klonkatron::testing
