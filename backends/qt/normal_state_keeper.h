#pragma once

class QWidget;

namespace forms::qt {

// A Wayland compositor may maximise or fullscreen any window, and then takes
// the next frame the window shows to be at the size it asked for: a window
// of fixed size that shows one at its own size is a protocol error, and the
// connection, with the program, ends. Nor does asking to be normal again
// help, as the compositor waits for that frame first. Kept by this, a window
// so changed shows no frame, and starts afresh in its normal state on a new
// surface. Call after the window is shown.
void keepNormalState(QWidget& window);

}  // namespace forms::qt
