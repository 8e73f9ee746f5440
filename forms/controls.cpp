#include "forms/controls.h"

#include <algorithm>
#include <cctype>

#include "forms/application.h"
#include "forms/caption_number.h"
#include "forms/form.h"
#include "forms/line_breaks.h"
#include "forms/runtime_error.h"

namespace forms {
namespace {

Rect lineBounds(const LineDesign& d) {
    const int left = std::min(d.x1, d.x2);
    const int top = std::min(d.y1, d.y2);
    // A line covers its end points; one pixel is 15 twips.
    return {left, top, std::abs(d.x2 - d.x1) + kTwipsPerPixel * d.borderWidth,
            std::abs(d.y2 - d.y1) + kTwipsPerPixel * d.borderWidth};
}

}  // namespace

// --- Label ---------------------------------------------------------------

Label::Label(Form& form, const LabelDesign& d)
    : Control(form, ControlKind::Label, d.name, -1, {d.left, d.top, d.width, d.height}, d.visible),
      caption_(d.caption),
      font_(d.font.value_or(form.design().font)),
      foreColor_(d.foreColor),
      alignment_(d.alignment),
      toolTip_(d.toolTip) {}

void Label::setCaption(std::string caption) {
    touched();
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed();
}

double Label::number() const { return parseNumber(caption()); }

void Label::setNumber(double value) { setCaption(formatNumber(value)); }

// --- Image ---------------------------------------------------------------

Image::Image(Form& form, const ImageDesign& d)
    : Control(form, ControlKind::Image, d.name, -1, {d.left, d.top, d.width, d.height}, d.visible),
      picture_(Picture::load(d.picture)),
      toolTip_(d.toolTip) {}

void Image::setPicture(const Picture& picture) {
    touched();
    if (picture == picture_) return;
    picture_ = picture;
    changed();
}

// --- CommandButton -------------------------------------------------------

CommandButton::CommandButton(Form& form, const ButtonDesign& d)
    : Control(form, ControlKind::CommandButton, d.name, -1, {d.left, d.top, d.width, d.height},
              true),
      caption_(d.caption),
      font_(d.font.value_or(form.design().font)),
      picture_(Picture::load(d.picture)),
      isDefault_(d.isDefault),
      isCancel_(d.isCancel),
      tabIndex_(d.tabIndex) {}

void CommandButton::setCaption(std::string caption) {
    touched();
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed();
}

void CommandButton::setBold(bool bold) {
    touched();
    if (bold == font_.bold) return;
    font_.bold = bold;
    changed();
}

char32_t CommandButton::accessKey() const {
    touched();
    for (size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] != '&') continue;
        if (caption_[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char32_t>(std::toupper(static_cast<unsigned char>(caption_[i + 1])));
    }
    return 0;
}

// --- TextBox -------------------------------------------------------------

TextBox::TextBox(Form& form, const TextBoxDesign& d)
    : Control(form, ControlKind::TextBox, d.name, -1, {d.left, d.top, d.width, d.height}, true),
      text_(d.text),
      font_(d.font.value_or(form.design().font)),
      multiLine_(d.multiLine),
      scrollBars_(d.scrollBars),
      locked_(d.locked),
      tabIndex_(d.tabIndex) {}

void TextBox::setText(std::string text) {
    touched();
    if (text == text_) return;
    text_ = std::move(text);
    changed();
}

void TextBox::userEdited(std::string_view text) {
    touched();
    std::string edited = withCrLf(text);
    if (edited == text_) return;
    text_ = std::move(edited);
    form().app().stateChanged(form(), this);
}

// --- Line ----------------------------------------------------------------

Line::Line(Form& form, const LineDesign& d)
    : Control(form, ControlKind::Line, d.name, d.index, lineBounds(d), true),
      from_{d.x1, d.y1},
      to_{d.x2, d.y2},
      color_(d.color),
      borderWidth_(d.borderWidth) {}

// --- Timer ---------------------------------------------------------------

Timer::Timer(Form& form, const TimerDesign& d)
    : Control(form, ControlKind::Timer, d.name, -1, {}, false),
      enabled_(d.enabled),
      interval_(d.interval) {
    form.app().scheduler().enrol(*this);
}

Timer::~Timer() { form().app().scheduler().stop(*this); }

bool Timer::counting() const { return enabled() && interval() > 0 && form().isLoaded(); }

void Timer::setEnabled(bool enabled) {
    touched();
    if (enabled == enabled_) return;
    enabled_ = enabled;
    form().timerChanged(*this);
}

void Timer::setInterval(int milliseconds) {
    touched();
    if (milliseconds < 0 || milliseconds > 65535) {
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    }
    if (milliseconds == interval_) return;  // the count goes on
    interval_ = milliseconds;
    form().timerChanged(*this);
}

}  // namespace forms
