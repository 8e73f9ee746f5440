#pragma once

#include "forms/geometry.h"

namespace forms {

class Control;

// A shown window as the backend made it. The core tells it what changed;
// the backend repaints or updates its widgets.
class FormView {
public:
    virtual ~FormView() = default;
    // A windowless control's area (twips) needs painting again.
    virtual void repaint(const Rect& area) = 0;
    // A widget control (button, text box) changed a property.
    virtual void widgetChanged(Control& control) = 0;
    // The window's mouse pointer changed.
    virtual void pointerChanged() = 0;
    // Brings an already shown window to the front.
    virtual void raise() {}
    // Gives the keyboard focus to a widget control of the window. The core
    // decides where the focus goes: on showing, and on Tab and Shift+Tab.
    virtual void focus(Control& control) = 0;
    // From `true` to `false`, every mouse event goes to this window, also
    // those outside it: the core captures from the first press to the last
    // release.
    virtual void captureMouse(bool captured) = 0;
};

}  // namespace forms
