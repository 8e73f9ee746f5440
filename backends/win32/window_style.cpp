#include "backends/win32/window_style.h"

namespace forms::win32 {

WindowStyle windowStyleOf(const FormDesign& d) {
    const bool toolFrame = d.borderStyle == BorderStyle::FixedToolWindow ||
                           d.borderStyle == BorderStyle::SizableToolWindow;
    const bool sizable =
        d.borderStyle == BorderStyle::Sizable || d.borderStyle == BorderStyle::SizableToolWindow;
    WindowStyle s{WS_CLIPCHILDREN, 0};
    // A tool window, or one kept out of the taskbar, is owned by no button
    // there; WS_EX_TOOLWINDOW says both.
    if (toolFrame || !d.showInTaskbar) s.exStyle |= WS_EX_TOOLWINDOW;
    if (d.showInTaskbar && !toolFrame) s.exStyle |= WS_EX_APPWINDOW;

    const bool hasTitleBar =
        d.borderStyle != BorderStyle::None && (d.controlBox || !d.caption.empty());
    if (!hasTitleBar) {
        s.style |= WS_POPUP;
        if (d.borderStyle == BorderStyle::FixedDialog) {
            s.style |= WS_DLGFRAME;
        } else if (d.borderStyle != BorderStyle::None) {
            s.style |= sizable ? WS_THICKFRAME : WS_BORDER;
        }
        return s;
    }
    s.style |= WS_POPUP | WS_CAPTION;
    if (sizable) s.style |= WS_THICKFRAME;
    if (d.borderStyle == BorderStyle::FixedDialog) s.exStyle |= WS_EX_DLGMODALFRAME;
    if (d.controlBox) {
        s.style |= WS_SYSMENU;
        if (d.minButton) s.style |= WS_MINIMIZEBOX;
        if (d.maxButton) s.style |= WS_MAXIMIZEBOX;
    }
    return s;
}

}  // namespace forms::win32
