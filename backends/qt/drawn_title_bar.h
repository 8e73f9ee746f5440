#pragma once

#include "forms/window_frame.h"

class QWidget;

namespace forms::qt {

// Where the compositor draws no frames (Wayland without server-side
// decorations), the program draws the title bar itself, as designed: the
// title in full and the close box only where the design has one, and never
// a minimise or maximise box. Qt's own would offer all three.
[[nodiscard]] bool titleBarsDrawnByTheProgram();

// Puts a window with a title bar into a frameless top-level window under a
// title bar drawn here, and returns that top-level window. The window
// becomes its client area: its pointer shows over the client area only, and
// a close from the title bar or the compositor reaches it as its own.
QWidget* underDrawnTitleBar(QWidget& window, const WindowFrame& frame);

}  // namespace forms::qt
