// What the page reports to the program: the input of its windows, the
// alarm and the answers of message boxes (called from page_*.js). A report
// for a window that has closed meanwhile goes nowhere.
#include <emscripten.h>

#include "backends/web/key_codes.h"
#include "backends/web/web_backend.h"
#include "backends/web/web_form_view.h"
#include "forms/application.h"

namespace {

using forms::web::WebBackend;
using forms::web::WebFormView;

WebFormView* windowOf(int window) {
    WebBackend* backend = WebBackend::current();
    return backend != nullptr ? backend->window(window) : nullptr;
}

forms::Application& appOf(const WebFormView& view) { return view.form().app(); }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void klonkatron_paint(int window) {
    if (WebFormView* view = windowOf(window)) view->paint();
}

// `kind`: 0 press, 1 release, 2 move (with the buttons held as `button`).
EMSCRIPTEN_KEEPALIVE void klonkatron_mouse(int window, int kind, double x, double y, int button,
                                           int shift) {
    WebFormView* view = windowOf(window);
    if (view == nullptr) return;
    forms::Application& app = appOf(*view);
    switch (kind) {
        case 0:
            app.mousePress(view->form(), x, y, button, shift);
            break;
        case 1:
            app.mouseRelease(view->form(), x, y, button, shift);
            break;
        default:
            app.mouseMove(view->form(), x, y, button, shift);
            break;
    }
}

EMSCRIPTEN_KEEPALIVE void klonkatron_widget_mouse_move(int window, int control, double x, double y,
                                                       int buttons, int shift) {
    WebFormView* view = windowOf(window);
    if (view == nullptr) return;
    if (forms::Control* widget = view->widget(control)) {
        appOf(*view).widgetMouseMove(*widget, x, y, buttons, shift);
    }
}

// Returns 1 when the program used the key, which the page's control must
// then not see.
EMSCRIPTEN_KEEPALIVE int klonkatron_key(int window, const char* key, int shift) {
    WebFormView* view = windowOf(window);
    if (view == nullptr) return 0;
    return appOf(*view).keyPress(view->form(), forms::web::keyEventOf(key, shift)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void klonkatron_button_click(int window, int control) {
    WebFormView* view = windowOf(window);
    if (view == nullptr) return;
    if (auto* button = dynamic_cast<forms::CommandButton*>(view->widget(control))) {
        appOf(*view).buttonClick(*button);
    }
}

EMSCRIPTEN_KEEPALIVE void klonkatron_button_state(int window, int control, int pressed,
                                                  int focused) {
    if (WebFormView* view = windowOf(window)) {
        view->buttonStateChanged(control, pressed != 0, focused != 0);
    }
}

EMSCRIPTEN_KEEPALIVE void klonkatron_text_edited(int window, int control, const char* text) {
    WebFormView* view = windowOf(window);
    if (view == nullptr) return;
    if (auto* box = dynamic_cast<forms::TextBox*>(view->widget(control))) box->userEdited(text);
}

EMSCRIPTEN_KEEPALIVE void klonkatron_focused(int window, int control) {
    WebFormView* view = windowOf(window);
    if (view == nullptr) return;
    if (forms::Control* widget = view->widget(control)) view->form().setFocused(widget);
}

EMSCRIPTEN_KEEPALIVE void klonkatron_close_requested(int window) {
    if (WebFormView* view = windowOf(window)) appOf(*view).closeRequested(view->form());
}

// The tooltip where the pointer rests, or "" (valid until the next call).
EMSCRIPTEN_KEEPALIVE const char* klonkatron_tool_tip(int window, double x, double y) {
    WebFormView* view = windowOf(window);
    if (view == nullptr) return "";
    return view->form().toolTipAt(forms::twipsAt(x, y)).c_str();
}

EMSCRIPTEN_KEEPALIVE void klonkatron_alarm() {
    if (WebBackend* backend = WebBackend::current()) backend->app().alarmRang();
}

EMSCRIPTEN_KEEPALIVE void klonkatron_message_box_answered(int id, int answer) {
    if (WebBackend* backend = WebBackend::current()) {
        backend->app().messageBoxAnswered(id, static_cast<forms::MsgResult>(answer));
    }
}
}
