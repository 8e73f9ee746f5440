#include "backends/win32/window_style.h"

namespace forms::win32 {
namespace {

// The border alone, where there is no title bar.
DWORD borderStyleOf(Border border) {
    switch (border) {
        case Border::None:
            return 0;
        case Border::Thin:
            return WS_BORDER;
        case Border::Dialog:
            return WS_DLGFRAME;
        case Border::Sizing:
            return WS_THICKFRAME;
    }
    return 0;
}

}  // namespace

WindowStyle windowStyleOf(const WindowFrame& frame) {
    WindowStyle s{WS_POPUP | WS_CLIPCHILDREN, 0};
    // An unowned window is in the taskbar unless it is a tool window; one
    // with WS_EX_APPWINDOW is there in any case, a tool window too. A
    // window kept out of the taskbar is therefore a tool window, which
    // gives a title bar the small height: no window out of the taskbar has
    // a full one.
    s.exStyle |= frame.inTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    if (frame.titleBar == TitleBar::None) {
        s.style |= borderStyleOf(frame.border);
        return s;
    }
    s.style |= WS_CAPTION;  // a thin border with the title bar
    if (frame.titleBar == TitleBar::Small) s.exStyle |= WS_EX_TOOLWINDOW;
    if (frame.border == Border::Sizing) s.style |= WS_THICKFRAME;
    if (frame.border == Border::Dialog) s.exStyle |= WS_EX_DLGMODALFRAME;
    if (frame.closeBox) s.style |= WS_SYSMENU;
    if (frame.minimizeBox) s.style |= WS_MINIMIZEBOX;
    if (frame.maximizeBox) s.style |= WS_MAXIMIZEBOX;
    return s;
}

}  // namespace forms::win32
