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

struct WindowFrame {
    TitleBar titleBar = TitleBar::None;
    bool border = false;    // an edge around the client area, also without a title bar
    bool closeBox = false;  // with the window menu that goes with it
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool inTaskbar = false;  // and in the window switcher
    bool fixedSize = true;
};

WindowFrame frameOf(const FormDesign& design);

}  // namespace forms
