#pragma once

#include "forms/message_box.h"

namespace forms::win32 {

// Shows a system message box, modal to every window of the program, and
// waits for its answer; its own message loop keeps delivering the timers.
MsgResult showMessageBox(const MessageBoxRequest& request);

}  // namespace forms::win32
