// The Win32 backend's own loop: ticks ring in it with no message of their
// own, and go on in loops that are not its own; what a change repaints is
// painted once what runs has finished. On a display, under Wine
// (on_display.sh).
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "backends/win32/text.h"
#include "forms/application.h"
#include "forms/system/unavailable_system.h"
#include "program/win32_program.h"

namespace klonkatron::testing {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// A white window with a thick red bar, hidden at the start, and a timer of
// 5 ms that is off.
const forms::FormDesign& loopDesign() {
    static const forms::FormDesign design{
        .name = "Loop",
        .caption = "Own loop",
        .borderStyle = forms::BorderStyle::FixedSingle,
        .clientWidth = 3000,
        .clientHeight = 1500,
        .position = {600, 600},
        .backColor = forms::rgb(kWhite),
        .controls = {forms::LineDesign{.name = "Bar",
                                       .x1 = 300,
                                       .y1 = 750,
                                       .x2 = 2700,
                                       .y2 = 750,
                                       .color = forms::rgb(kRed),
                                       .borderWidth = 8},
                     forms::TimerDesign{.name = "Tick", .interval = 5, .enabled = false}}};
    return design;
}

class OwnLoop : public ::testing::Test {
protected:
    OwnLoop() {
        prepareWin32Process();
        app_ = std::make_unique<forms::Application>(backend_, system_, "OwnLoop");
        app_->registerForm("Loop", [](forms::Application& app) {
            auto form = std::make_unique<forms::Form>(app, loopDesign());
            form->onLoad = [f = form.get()] { f->control("Bar").setVisible(false); };
            return form;
        });
    }
    ~OwnLoop() override {
        app_.reset();
        backend_.deliverPending();
    }

    forms::Form& shown() {
        forms::Form& form = app_->show("Loop");
        backend_.deliverPending();
        return form;
    }
    void onTick(forms::Form& form, std::function<void()> handler) {
        auto& timer = form.get<forms::Timer>("Tick");
        timer.onTimer = std::move(handler);
        timer.setEnabled(true);
    }
    static HWND windowOf(const forms::FormDesign& design) {
        return FindWindowW(L"KlonkatronForm", forms::win32::wide(design.caption).c_str());
    }
    // The colour the window shows at the middle of its bar (1500, 750
    // twips: 100, 50 pixels at 96 dots per inch, as the tests run), read
    // from the window as it is, without asking it to paint.
    static std::uint32_t barColour() {
        HWND window = windowOf(loopDesign());
        HDC dc = GetDC(window);
        const COLORREF pixel = GetPixel(dc, 100, 50);
        ReleaseDC(window, dc);
        return (GetRValue(pixel) << 16) | (GetGValue(pixel) << 8) | GetBValue(pixel);
    }

    forms::win32::Win32Backend backend_;
    forms::UnavailableSystem system_;
    std::unique_ptr<forms::Application> app_;
};

TEST_F(OwnLoop, TicksGoOnWhileTheSystemMovesAWindowAndAfter) {
    forms::Form& form = shown();
    int ticks = 0;
    onTick(form, [&ticks] { ++ticks; });
    // The system's loop while a window is moved: not the program's, which
    // it tells only by the messages at its start and end.
    HWND window = windowOf(loopDesign());
    SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
    MSG message;
    while (ticks < 3 && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_GE(ticks, 3);
    // Back in the program's own loop, with no message for the ticks.
    backend_.runUntil([&ticks] { return ticks >= 6; });
    EXPECT_GE(ticks, 6);
    // An end of a loop without its start changes nothing.
    SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
    backend_.runUntil([&ticks] { return ticks >= 9; });
    EXPECT_GE(ticks, 9);
}

TEST_F(OwnLoop, AChangeMadeOutsideAnyHandlerIsPaintedWhenTheQueueIsNextDelivered) {
    forms::Form& form = shown();
    ASSERT_EQ(barColour(), kWhite);
    form.control("Bar").setVisible(true);
    backend_.deliverPending();
    EXPECT_EQ(barColour(), kRed);
    form.control("Bar").setVisible(false);
    backend_.deliverPending();
    EXPECT_EQ(barColour(), kWhite);
}

TEST_F(OwnLoop, ATickThatChangesItsWindowAndUnloadsItEndsTheProgramCleanly) {
    forms::Form& form = shown();
    onTick(form, [this, &form] {
        // Collected to paint, then gone with its window before the paint.
        form.control("Bar").setVisible(true);
        app_->unload(form);
    });
    EXPECT_EQ(app_->run(), 0);
    EXPECT_FALSE(app_->isLoaded("Loop"));
    EXPECT_EQ(windowOf(loopDesign()), nullptr);
}

}  // namespace
}  // namespace klonkatron::testing
