#pragma once

#include <Qt>

#include "forms/window_frame.h"

class QWidget;

namespace forms::qt {

// The Qt window flags of a window frame. A window out of the taskbar is a
// Qt tool window, which Qt keeps out of the taskbar and the switcher. A
// window in the taskbar is a normal one, also with a small title bar: the
// window managers of the GNOME family keep every utility window, the only
// kind an X11 window manager gives a small title bar, out of the taskbar
// and the switcher, and a main window must be found again.
Qt::WindowFlags flagsOf(const WindowFrame& frame);

// What Qt's flags cannot say to an X11 window manager, said to it directly
// before the window is first shown: a window out of the taskbar says so
// itself, and a border without a title bar asks for the border alone, where
// Qt asks for no frame at all. Nothing elsewhere.
void addWindowManagerHints(QWidget& window, const WindowFrame& frame);

}  // namespace forms::qt
