#include "backends/win32/system_message_box.h"

#include <windows.h>

#include "backends/win32/text.h"

namespace forms::win32 {
namespace {

UINT buttonsOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return MB_OK;
        case MsgButtons::OkCancel:
            return MB_OKCANCEL;
        case MsgButtons::YesNo:
            return MB_YESNO;
    }
    return MB_OK;
}

UINT iconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return MB_ICONINFORMATION;
        case MsgIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MsgIcon::Critical:
            return MB_ICONERROR;
        case MsgIcon::Question:
            return MB_ICONQUESTION;
        case MsgIcon::None:
            break;
    }
    return 0;
}

}  // namespace

MsgResult showMessageBox(const MessageBoxRequest& request) {
    // Task modal: every window of the program waits for the answer.
    const int answer = MessageBoxW(
        nullptr, wide(request.text).c_str(), wide(request.title).c_str(),
        buttonsOf(request.buttons) | iconOf(request.icon) | MB_TASKMODAL | MB_SETFOREGROUND);
    switch (answer) {
        case IDCANCEL:
            // Escape or the close box: Cancel where there is one, No where
            // Yes and No are asked, OK where OK is all there is.
            if (request.buttons == MsgButtons::YesNo) return MsgResult::No;
            return request.buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
        case IDYES:
            return MsgResult::Yes;
        case IDNO:
            return MsgResult::No;
        default:
            return MsgResult::Ok;
    }
}

}  // namespace forms::win32
