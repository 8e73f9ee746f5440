#pragma once

#include "forms/form_design.h"

namespace forms {

// What a window has around its client area, decided once from its design,
// for every backend to give it in its own terms.
enum class TitleBar {
    None,  // no title bar: the title shows only outside the window
    Full,  // the usual title bar
    Small  // the small title bar of a tool window
};

// The edge around the client area, with or without a title bar.
enum class Border {
    None,
    Thin,    // a fixed single line
    Dialog,  // the raised frame of a fixed dialog
    Sizing   // the frame that the user drags to resize the window
};

struct WindowFrame {
    TitleBar titleBar = TitleBar::None;
    Border border = Border::None;
    bool closeBox = false;  // with the window menu that goes with it
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool inTaskbar = false;  // and in the window switcher

    [[nodiscard]] bool fixedSize() const { return border != Border::Sizing; }
    bool operator==(const WindowFrame&) const = default;
};

WindowFrame frameOf(const FormDesign& design);

// The height in pixels of a title bar the program draws itself (on Wayland
// without the compositor's frames, and in a web page); 0 for none.
int drawnTitleBarHeight(TitleBar titleBar);

}  // namespace forms
