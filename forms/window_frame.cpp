#include "forms/window_frame.h"

namespace forms {
namespace {

Border borderOf(BorderStyle style) {
    switch (style) {
        case BorderStyle::None:
            return Border::None;
        case BorderStyle::FixedSingle:
        case BorderStyle::FixedToolWindow:
            return Border::Thin;
        case BorderStyle::FixedDialog:
            return Border::Dialog;
        case BorderStyle::Sizable:
        case BorderStyle::SizableToolWindow:
            return Border::Sizing;
    }
    return Border::Thin;
}

}  // namespace

WindowFrame frameOf(const FormDesign& design) {
    WindowFrame frame;
    const BorderStyle style = design.borderStyle;
    const bool tool =
        style == BorderStyle::FixedToolWindow || style == BorderStyle::SizableToolWindow;
    frame.inTaskbar = design.showInTaskbar;
    frame.border = borderOf(style);
    if (frame.border == Border::None) return frame;
    // A bordered window without a title and without a control box has no
    // title bar at all.
    if (!design.controlBox && design.caption.empty()) return frame;
    frame.titleBar = tool ? TitleBar::Small : TitleBar::Full;
    frame.closeBox = design.controlBox;
    // A tool window's title bar holds the close box alone.
    frame.minimizeBox = frame.closeBox && design.minButton && !tool;
    frame.maximizeBox = frame.closeBox && design.maxButton && !tool;
    return frame;
}

int drawnTitleBarHeight(TitleBar titleBar) {
    switch (titleBar) {
        case TitleBar::None:
            return 0;
        case TitleBar::Full:
            return 24;
        case TitleBar::Small:
            return 18;
    }
    return 0;
}

}  // namespace forms
