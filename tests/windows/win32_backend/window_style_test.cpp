// The Win32 styles each of the five windows gets from its frame.
#include <gtest/gtest.h>

#include "backends/win32/window_style.h"
#include "designs/form1_design.h"
#include "designs/form2_design.h"
#include "designs/frm_about_design.h"
#include "designs/frm_splash1_design.h"
#include "designs/frm_splash_design.h"

namespace klonkatron::testing {
namespace {

using forms::win32::windowStyleOf;

TEST(WindowStyles, OfEveryWindow) {
    struct Expected {
        forms::FormDesign design;
        DWORD style;
        DWORD exStyle;
    };
    constexpr DWORD kAlways = WS_POPUP | WS_CLIPCHILDREN;
    const Expected table[] = {
        // A small title bar without a control box, in the taskbar.
        {form1Design(), kAlways | WS_CAPTION, WS_EX_TOOLWINDOW | WS_EX_APPWINDOW},
        // A small title bar with a close box, out of the taskbar.
        {frmAboutDesign(), kAlways | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW},
        // The dialog frame without a title bar, out of the taskbar.
        {frmSplashDesign(), kAlways | WS_DLGFRAME, WS_EX_TOOLWINDOW},
        {frmSplash1Design(), kAlways | WS_DLGFRAME, WS_EX_TOOLWINDOW},
        // No border at all, in the taskbar.
        {form2Design(), kAlways, WS_EX_APPWINDOW},
    };
    for (const Expected& e : table) {
        const forms::win32::WindowStyle s = windowStyleOf(forms::frameOf(e.design));
        EXPECT_EQ(s.style, e.style) << e.design.name;
        EXPECT_EQ(s.exStyle, e.exStyle) << e.design.name;
    }
}

}  // namespace
}  // namespace klonkatron::testing
