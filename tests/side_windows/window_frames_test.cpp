// The frame each of the five windows gets from its design, and the frame of
// every border style a design can name.
#include <gtest/gtest.h>

#include "designs/form1_design.h"
#include "designs/form2_design.h"
#include "designs/frm_about_design.h"
#include "designs/frm_splash1_design.h"
#include "designs/frm_splash_design.h"
#include "forms/window_frame.h"

namespace klonkatron::testing {
namespace {

using forms::Border;
using forms::BorderStyle;
using forms::TitleBar;
using forms::WindowFrame;

TEST(WindowFrames, AsDesigned) {
    // titleBar, border, close, minimise, maximise, in the taskbar
    const WindowFrame board{TitleBar::Small, Border::Thin, false, false, false, true};
    const WindowFrame about{TitleBar::Small, Border::Thin, true, false, false, false};
    const WindowFrame dialogWithoutTitle{TitleBar::None, Border::Dialog, false,
                                         false,          false,          false};
    const WindowFrame picture{TitleBar::None, Border::None, false, false, false, true};
    EXPECT_EQ(forms::frameOf(form1Design()), board);
    EXPECT_EQ(forms::frameOf(frmAboutDesign()), about);
    EXPECT_EQ(forms::frameOf(frmSplashDesign()), dialogWithoutTitle);
    EXPECT_EQ(forms::frameOf(frmSplash1Design()), dialogWithoutTitle);
    // No border: no title bar and no close box, whatever the control box.
    EXPECT_TRUE(form2Design().controlBox);
    EXPECT_EQ(forms::frameOf(form2Design()), picture);
    for (const auto& design :
         {form1Design(), frmAboutDesign(), frmSplashDesign(), frmSplash1Design(), form2Design()}) {
        EXPECT_TRUE(forms::frameOf(design).fixedSize()) << design.name;
    }
}

TEST(WindowFrames, EveryBorderStyle) {
    struct Expected {
        BorderStyle style;
        Border border;
        TitleBar titleBar;  // with a caption
        bool boxes;         // minimise and maximise, when the design has them
    };
    const Expected table[] = {
        {BorderStyle::None, Border::None, TitleBar::None, false},
        {BorderStyle::FixedSingle, Border::Thin, TitleBar::Full, true},
        {BorderStyle::Sizable, Border::Sizing, TitleBar::Full, true},
        {BorderStyle::FixedDialog, Border::Dialog, TitleBar::Full, true},
        {BorderStyle::FixedToolWindow, Border::Thin, TitleBar::Small, false},
        {BorderStyle::SizableToolWindow, Border::Sizing, TitleBar::Small, false},
    };
    for (const Expected& e : table) {
        forms::FormDesign design;  // control box and both buttons
        design.caption = "W";
        design.borderStyle = e.style;
        WindowFrame frame = forms::frameOf(design);
        const int style = static_cast<int>(e.style);
        EXPECT_EQ(frame.border, e.border) << style;
        EXPECT_EQ(frame.titleBar, e.titleBar) << style;
        EXPECT_EQ(frame.closeBox, e.titleBar != TitleBar::None) << style;
        EXPECT_EQ(frame.minimizeBox && frame.maximizeBox, e.boxes) << style;
        EXPECT_EQ(frame.fixedSize(), e.border != Border::Sizing) << style;
        // Without the control box the buttons go, the title bar stays for
        // the caption; without the caption too, it goes, the border stays.
        design.controlBox = false;
        frame = forms::frameOf(design);
        EXPECT_FALSE(frame.closeBox || frame.minimizeBox || frame.maximizeBox) << style;
        EXPECT_EQ(frame.titleBar, e.titleBar) << style;
        design.caption.clear();
        frame = forms::frameOf(design);
        EXPECT_EQ(frame.titleBar, TitleBar::None) << style;
        EXPECT_EQ(frame.border, e.border) << style;
    }
}

}  // namespace
}  // namespace klonkatron::testing
