#pragma once

#include <map>
#include <optional>
#include <string>

#include "forms/form.h"
#include "forms/form_view.h"
#include "forms/pixels.h"

namespace forms::web {

class WebBackend;

// The window of one form on the page: a frame with the title bar its design
// asks for, a canvas the core paints the drawn controls on, and the buttons
// and text boxes as HTML controls in front of it (page_windows.js). The page
// reports the input of each window to its view.
class WebFormView : public FormView {
public:
    WebFormView(WebBackend& backend, Form& form, int window);
    ~WebFormView() override;
    WebFormView(const WebFormView&) = delete;
    WebFormView& operator=(const WebFormView&) = delete;

    void repaint(const Rect& area) override;
    void widgetChanged(Control& control) override;
    void pointerChanged() override;
    void raise() override;
    void focus(Control& control) override;
    void captureMouse(bool captured) override;

    [[nodiscard]] Form& form() const { return form_; }
    // The button or text box at that place of the window's controls, or
    // nullptr.
    [[nodiscard]] Control* widget(int control) const;
    // Paints what needs painting, at the device's pixel ratio now.
    void paint();
    // A picture face's button was pressed or released, got or lost the focus.
    void buttonStateChanged(int control, bool pressed, bool focused);

private:
    struct ButtonState {
        bool pressed = false;
        bool focused = false;
    };
    void addWidgets();
    void drawFace(int control, const CommandButton& button);
    [[nodiscard]] int indexOf(const Control& control) const;
    void tellDrawnText();

    WebBackend& backend_;
    Form& form_;
    int window_;
    std::optional<PixelRect> dirty_;
    std::map<int, ButtonState> faces_;
    std::string drawnText_;
};

}  // namespace forms::web
