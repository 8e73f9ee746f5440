#pragma once

#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include <map>
#include <string>

#include "backends/win32/dpi.h"
#include "backends/win32/gdi_fonts.h"
#include "forms/form.h"

namespace forms::win32 {

// The buttons and text boxes of a window as real BUTTON and EDIT controls,
// made in tab order so that Tab walks them as the design orders them.
class ChildControls {
public:
    // `subclass` is installed on every control made, with the control's
    // `Control*` as its reference data. `scale` is the window's, which may
    // change (place).
    ChildControls(HWND parent, Form& form, const Scale& scale, GdiFonts& fonts,
                  SUBCLASSPROC subclass);

    // The control a child window or a command identifier stands for.
    [[nodiscard]] Control* controlOf(HWND child) const;
    [[nodiscard]] Control* controlOf(int id) const;
    [[nodiscard]] HWND windowOf(const Control& control) const;

    // Shows what changed in the control: visibility, caption, font, text.
    void update(Control& control);
    // Puts every control at its place, size and font at the present scale.
    void place();
    // Paints a picture button's face (WM_DRAWITEM).
    void drawPictureButton(const DRAWITEMSTRUCT& item) const;
    // Whether the program itself is setting a text box's text.
    [[nodiscard]] bool settingText() const { return settingText_; }

private:
    // Where the control is in the window, in device pixels.
    [[nodiscard]] RECT areaOf(const Control& control) const;

    HWND parent_;
    const Scale& scale_;
    GdiFonts& fonts_;
    std::map<const Control*, HWND> windows_;
    std::map<HWND, Control*> controls_;
    bool settingText_ = false;
};

// The text of an EDIT control as the core keeps it (CR LF line ends).
std::string textOf(HWND edit);

}  // namespace forms::win32
