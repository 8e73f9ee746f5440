#pragma once

#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include <string>

namespace forms::win32 {

// The tooltips of a window's drawn controls: one tool over the whole client
// area whose text is that of the control under the pointer.
class ToolTips {
public:
    explicit ToolTips(HWND window);
    ~ToolTips();
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // Shows the tooltip a mouse message of the window (a move, a press, a
    // release), which the window's procedure hands on: the tooltip does not
    // subclass the window, since every message to a subclassed window looks
    // its subclasses up in a window property, under Wine a round trip to
    // its server each.
    void relay(UINT message, WPARAM wParam, LPARAM lParam);
    // The pointer is over a control with this tip (empty: none); a tip
    // shown for another control goes.
    void pointerOver(const std::string& tip);
    // The tool covers the window's client area again, after its size changed.
    void coverClientArea();
    // Answers the tooltip's question for its text (WM_NOTIFY); true when
    // the notification was the tooltip's.
    bool notify(NMHDR& header);

private:
    HWND window_;
    HWND tips_ = nullptr;
    std::string tip_;
    std::wstring text_;  // kept while the tooltip shows it
};

}  // namespace forms::win32
