#include "backends/web/web_form_view.h"

#include <algorithm>

#include "backends/web/css_font.h"
#include "backends/web/page.h"
#include "backends/web/web_backend.h"
#include "backends/web/web_canvas.h"
#include "backends/web/window_box.h"
#include "forms/button_face.h"
#include "forms/form_painting.h"
#include "forms/line_breaks.h"
#include "forms/paint_scale.h"
#include "forms/picture_pixels.h"

namespace forms::web {
namespace {

int titleBarNumber(TitleBar bar) {
    switch (bar) {
        case TitleBar::None:
            return 0;
        case TitleBar::Full:
            return 1;
        case TitleBar::Small:
            return 2;
    }
    return 0;
}

// The smallest rectangle holding both: the areas to paint at the next frame.
PixelRect unite(const PixelRect& a, const PixelRect& b) {
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

WebFormView::WebFormView(WebBackend& backend, Form& form, int window)
    : backend_(backend), form_(form), window_(window) {
    const FormDesign& design = form.design();
    const WindowFrame frame = frameOf(design);
    const WindowBox fitted = windowBoxOf(design, 0, 0);
    kk_desktop_fit(fitted.outerWidth(), fitted.outerHeight());
    const WindowBox box = windowBoxOf(design, kk_desktop_width(), kk_desktop_height());
    kk_window_open(window_, design.caption.c_str(), titleBarNumber(frame.titleBar),
                   box.titleBarHeight, box.border, frame.closeBox ? 1 : 0, box.left, box.top,
                   box.clientWidth, box.clientHeight);
    const PixelImage& icon = pixelsOf(form.smallIcon().isEmpty() ? form.icon() : form.smallIcon());
    if (frame.titleBar != TitleBar::None && !icon.isEmpty()) {
        kk_window_icon(window_, icon.pixels.data(), icon.width, icon.height);
    }
    addWidgets();
    pointerChanged();
    repaint(form.clientRect());
}

WebFormView::~WebFormView() {
    kk_window_close(window_);
    backend_.forget(window_);
}

void WebFormView::addWidgets() {
    const auto& controls = form_.controls();
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        Control& control = *controls[static_cast<std::size_t>(i)];
        const PixelRect place = pixelRect(control.bounds());
        if (auto* button = dynamic_cast<CommandButton*>(&control)) {
            kk_button_add(window_, i, place.left, place.top, place.width, place.height,
                          button->picture().isEmpty() ? 0 : 1);
        } else if (auto* text = dynamic_cast<TextBox*>(&control)) {
            const ScrollBars bars = text->scrollBars();
            kk_text_box_add(window_, i, place.left, place.top, place.width, place.height,
                            text->multiLine() ? 1 : 0,
                            bars == ScrollBars::Vertical || bars == ScrollBars::Both ? 1 : 0,
                            bars == ScrollBars::Horizontal || bars == ScrollBars::Both ? 1 : 0,
                            text->locked() ? 1 : 0);
        } else {
            continue;
        }
        widgetChanged(control);
    }
}

int WebFormView::indexOf(const Control& control) const {
    const auto& controls = form_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].get() == &control) return static_cast<int>(i);
    }
    return -1;
}

Control* WebFormView::widget(int control) const {
    const auto& controls = form_.controls();
    if (control < 0 || static_cast<std::size_t>(control) >= controls.size()) return nullptr;
    Control* found = controls[static_cast<std::size_t>(control)].get();
    return found->isWindowless() ? nullptr : found;
}

void WebFormView::repaint(const Rect& area) {
    const PixelRect pixels = pixelRect(area);
    if (pixels.isEmpty()) return;
    const bool requested = dirty_.has_value();
    dirty_ = dirty_ ? unite(*dirty_, pixels) : pixels;
    if (!requested) kk_window_request_paint(window_);
}

void WebFormView::paint() {
    const PixelRect whole{0, 0, pixelsFromTwips(form_.design().clientWidth),
                          pixelsFromTwips(form_.design().clientHeight)};
    const double ratio = kk_device_pixel_ratio();
    // At a fractional ratio the whole window is painted and scaled once
    // (forms/paint_scale.h); a canvas made anew has lost every pixel.
    const bool smoothed = !isWholeRatio(ratio);
    const bool fresh = kk_paint_begin(window_, ratio, paintRatioFor(ratio), smoothed ? 1 : 0) != 0;
    const PixelRect area = smoothed || fresh || !dirty_ ? whole : intersection(*dirty_, whole);
    dirty_.reset();
    {
        WebCanvas canvas(window_);
        paintForm(canvas, form_, area);
    }
    kk_paint_end(window_);
    tellDrawnText();
}

// The captions of the visible labels, front to back, one a line: what the
// canvas shows as text, for screen readers (the canvas's fallback content).
void WebFormView::tellDrawnText() {
    std::string text;
    for (const auto& control : form_.controls()) {
        const auto* label = dynamic_cast<const Label*>(control.get());
        if (label == nullptr || !label->visible() || label->caption().empty()) continue;
        text += label->caption();
        text += '\n';
    }
    if (text == drawnText_) return;
    drawnText_ = std::move(text);
    kk_window_text(window_, drawnText_.c_str());
}

void WebFormView::widgetChanged(Control& control) {
    const int i = indexOf(control);
    if (i < 0) return;
    kk_window_cues(window_, form_.showsKeyboardCues() ? 1 : 0);
    kk_widget_visible(window_, i, control.visible() ? 1 : 0);
    if (auto* button = dynamic_cast<CommandButton*>(&control)) {
        kk_widget_font(window_, i, cssFontOf(button->font()).c_str());
        if (button->picture().isEmpty()) {
            kk_button_caption(window_, i, button->caption().c_str());
        } else {
            drawFace(i, *button);
        }
    } else if (auto* text = dynamic_cast<TextBox*>(&control)) {
        kk_widget_font(window_, i, cssFontOf(text->font()).c_str());
        kk_text_box_text(window_, i, withLineFeeds(text->text()).c_str());
    }
}

void WebFormView::drawFace(int control, const CommandButton& button) {
    const ButtonState state = faces_[control];
    const PictureButtonFace face = pictureButtonFace(button, state.pressed, state.focused);
    const PixelImage& pixels = pixelsOf(button.picture());
    const PixelRect focus = face.focusRectangle.value_or(PixelRect{});
    kk_button_face(window_, control, pixels.pixels.data(), pixels.width, pixels.height,
                   face.pictureOffset, focus.left, focus.top, focus.width, focus.height);
}

void WebFormView::buttonStateChanged(int control, bool pressed, bool focused) {
    auto* button = dynamic_cast<CommandButton*>(widget(control));
    if (button == nullptr || button->picture().isEmpty()) return;
    faces_[control] = {pressed, focused};
    drawFace(control, *button);
}

void WebFormView::pointerChanged() {
    const Picture& icon = form_.mouseIcon();
    if (form_.mousePointer() != MousePointer::Custom || icon.isEmpty()) {
        kk_window_pointer(window_, nullptr, 0, 0, 0, 0);
        return;
    }
    const PixelImage& pixels = pixelsOf(icon);
    kk_window_pointer(window_, pixels.pixels.data(), pixels.width, pixels.height,
                      icon.source().hotSpotX, icon.source().hotSpotY);
}

void WebFormView::raise() { kk_window_raise(window_); }

void WebFormView::focus(Control& control) {
    const int i = indexOf(control);
    if (i >= 0) kk_widget_focus(window_, i);
    kk_window_cues(window_, form_.showsKeyboardCues() ? 1 : 0);
}

void WebFormView::captureMouse(bool captured) { kk_window_capture(window_, captured ? 1 : 0); }

}  // namespace forms::web
