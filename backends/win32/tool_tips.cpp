#include "backends/win32/tool_tips.h"

#include "backends/win32/text.h"

namespace forms::win32 {

ToolTips::ToolTips(HWND window) : window_(window) {
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tips_ == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // The window hands its mouse messages on (relay).
    tool.uFlags = 0;
    tool.hwnd = window;
    tool.uId = 1;
    GetClientRect(window, &tool.rect);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

ToolTips::~ToolTips() {
    if (tips_ != nullptr) DestroyWindow(tips_);
}

void ToolTips::coverClientArea() {
    if (tips_ == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = 1;
    GetClientRect(window_, &tool.rect);
    SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::relay(UINT message, WPARAM wParam, LPARAM lParam) {
    if (tips_ == nullptr) return;
    MSG relayed{};
    relayed.hwnd = window_;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    relayed.time = static_cast<DWORD>(GetMessageTime());
    const DWORD at = GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ToolTips::pointerOver(const std::string& tip) {
    if (tip == tip_ || tips_ == nullptr) return;
    tip_ = tip;
    SendMessageW(tips_, TTM_POP, 0, 0);
}

bool ToolTips::notify(NMHDR& header) {
    if (tips_ == nullptr || header.hwndFrom != tips_ || header.code != TTN_GETDISPINFOW)
        return false;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    text_ = wide(tip_);
    info.lpszText = text_.data();
    return true;
}

}  // namespace forms::win32
