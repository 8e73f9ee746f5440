#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "backends/win32/back_buffer.h"
#include "backends/win32/child_controls.h"
#include "backends/win32/dpi.h"
#include "backends/win32/tool_tips.h"
#include "forms/form.h"
#include "forms/form_view.h"

namespace forms::win32 {

class Win32Backend;

// The top-level window of one form: it paints the drawn controls from its
// back buffer, holds the buttons and text boxes as child controls in front
// of them, and reports the raw mouse and key input to the runtime.
class FormWindow {
public:
    FormWindow(Win32Backend& backend, Form& form);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // The form window a top-level window is, or nullptr.
    static FormWindow* of(HWND window);

    [[nodiscard]] HWND handle() const { return window_; }
    [[nodiscard]] Form* form() const { return form_; }
    // The runtime released the form: the window hides and waits to go.
    void detach();

    // Collects an area to paint; the backend has it painted when what runs
    // now has finished (paintCollected).
    void repaint(const Rect& twips);
    // Paints the areas collected since the last time straight onto the
    // window, with no message: under Wine an invalidated area painted on
    // WM_PAINT costs about ten calls to its server (each a context switch
    // of the program's thread), one device context about one.
    void paintCollected();
    void updateControl(Control& control);
    void updatePointer();
    void raise();
    // Gives the keyboard focus to a control's child window.
    void focus(const Control& control);
    // Gives the keyboard focus to the control the form has focused.
    void focusControl();
    // Keeps every mouse event for the window, or lets them go.
    void captureMouse(bool captured);

private:
    static ATOM windowClass();
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR control);
    void setIcons();
    // Everything scaled takes the new scale, as if the window had started
    // at it: the back buffer, the controls and their fonts, the pointer and
    // the client area. The window moves to the top-left corner of
    // `suggested` where the system gives one.
    void takeScale(const Scale& scale, const RECT* suggested);
    // The client area at the present scale, in device pixels.
    [[nodiscard]] SIZE clientSize() const;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    // Paints an area of the client, in device pixels, on a device context
    // of the window: all of it at a fractional scale.
    void paintArea(HDC dc, const RECT& area);
    void mouse(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int id, int notification);
    bool setCursor(HWND over, int hitTest);

    Win32Backend& backend_;
    Form* form_;
    Scale scale_;
    HWND window_ = nullptr;
    std::unique_ptr<BackBuffer> buffer_;
    std::optional<ChildControls> controls_;
    std::optional<ToolTips> tips_;
    std::vector<RECT> collected_;   // to paint, in device pixels
    HCURSOR pointer_ = nullptr;     // the form's own, or nullptr for the arrow
    std::array<HICON, 2> icons_{};  // large and small, made from the form's pictures
};

// The view the runtime holds of a shown form.
std::unique_ptr<FormView> makeFormView(Win32Backend& backend, Form& form);

}  // namespace forms::win32
