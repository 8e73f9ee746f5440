// The frame each of the five windows gets from its design.
#include <gtest/gtest.h>

#include "designs/form1_design.h"
#include "designs/form2_design.h"
#include "designs/frm_about_design.h"
#include "designs/frm_splash1_design.h"
#include "designs/frm_splash_design.h"
#include "forms/window_frame.h"

namespace klonkatron::testing {
namespace {

using forms::TitleBar;
using forms::WindowFrame;

bool operator==(const WindowFrame& a, const WindowFrame& b) {
    return a.titleBar == b.titleBar && a.border == b.border && a.closeBox == b.closeBox &&
           a.minimizeBox == b.minimizeBox && a.maximizeBox == b.maximizeBox &&
           a.inTaskbar == b.inTaskbar && a.fixedSize == b.fixedSize;
}

TEST(WindowFrames, AsDesigned) {
    // titleBar, border, close, minimise, maximise, in the taskbar, fixed size
    const WindowFrame board{TitleBar::Small, true, false, false, false, true, true};
    const WindowFrame about{TitleBar::Small, true, true, false, false, false, true};
    const WindowFrame dialogWithoutTitle{TitleBar::None, true, false, false, false, false, true};
    const WindowFrame picture{TitleBar::None, false, false, false, false, true, true};
    EXPECT_TRUE(forms::frameOf(form1Design()) == board);
    EXPECT_TRUE(forms::frameOf(frmAboutDesign()) == about);
    EXPECT_TRUE(forms::frameOf(frmSplashDesign()) == dialogWithoutTitle);
    EXPECT_TRUE(forms::frameOf(frmSplash1Design()) == dialogWithoutTitle);
    // No border: no title bar and no close box, whatever the control box.
    EXPECT_TRUE(form2Design().controlBox);
    EXPECT_TRUE(forms::frameOf(form2Design()) == picture);
}

TEST(WindowFrames, AnOrdinaryWindowHasEveryBoxItIsGiven) {
    forms::FormDesign design;  // sizable, control box, both buttons
    design.caption = "W";
    const WindowFrame frame = forms::frameOf(design);
    EXPECT_EQ(frame.titleBar, TitleBar::Full);
    EXPECT_TRUE(frame.closeBox && frame.minimizeBox && frame.maximizeBox);
    EXPECT_FALSE(frame.fixedSize);
    design.controlBox = false;  // the buttons go with the control box
    EXPECT_FALSE(forms::frameOf(design).minimizeBox || forms::frameOf(design).maximizeBox);
    EXPECT_EQ(forms::frameOf(design).titleBar, TitleBar::Full);  // for the caption
}

}  // namespace
}  // namespace klonkatron::testing
