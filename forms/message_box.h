#pragma once

#include <string>

namespace forms {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// One message box as the logic asks for it. The runtime fills in the
// program's title where the caller gives none.
struct MessageBoxRequest {
    std::string text;
    std::string title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;

    friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

}  // namespace forms
