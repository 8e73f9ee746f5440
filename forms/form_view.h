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
};

}  // namespace forms
