#include "backends/web/window_box.h"

#include <algorithm>

#include "forms/geometry.h"

namespace forms::web {

int borderWidth(Border border) {
    switch (border) {
        case Border::None:
            return 0;
        case Border::Thin:
            return 1;
        case Border::Dialog:
            return 3;
        case Border::Sizing:
            return 4;
    }
    return 0;
}

WindowBox windowBoxOf(const FormDesign& design, int desktopWidth, int desktopHeight) {
    const WindowFrame frame = frameOf(design);
    WindowBox box;
    box.border = borderWidth(frame.border);
    box.titleBarHeight = drawnTitleBarHeight(frame.titleBar);
    box.clientWidth = pixelsFromTwips(design.clientWidth);
    box.clientHeight = pixelsFromTwips(design.clientHeight);
    if (design.startPosition == StartPosition::CenterScreen) {
        box.left = (desktopWidth - box.outerWidth()) / 2;
        box.top = (desktopHeight - box.outerHeight()) / 2;
    } else {
        box.left = pixelsFromTwips(design.position.x) - box.border;
        box.top = pixelsFromTwips(design.position.y) - box.border - box.titleBarHeight;
    }
    box.left = std::max(box.left, 0);
    box.top = std::max(box.top, 0);
    return box;
}

}  // namespace forms::web
