#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"
#include "forms/form_design.h"
#include "forms/picture.h"

namespace forms {

class Label : public Control {
public:
    Label(Form& form, const LabelDesign& design);

    [[nodiscard]] const std::string& caption() const {
        touched();
        return caption_;
    }
    void setCaption(std::string caption);
    // The caption read as a number; see caption_number.h.
    [[nodiscard]] double number() const;
    // Writes a whole number as the caption.
    void setNumber(double value);

    [[nodiscard]] const Font& font() const {
        touched();
        return font_;
    }
    [[nodiscard]] Color foreColor() const {
        touched();
        return foreColor_;
    }
    [[nodiscard]] Alignment alignment() const {
        touched();
        return alignment_;
    }
    [[nodiscard]] const std::string& toolTip() const {
        touched();
        return toolTip_;
    }

private:
    std::string caption_;
    Font font_;
    Color foreColor_;
    Alignment alignment_;
    std::string toolTip_;
};

class Image : public Control {
public:
    Image(Form& form, const ImageDesign& design);

    [[nodiscard]] const Picture& picture() const {
        touched();
        return picture_;
    }
    // Makes this image hold the very picture object given (shared).
    void setPicture(const Picture& picture);
    [[nodiscard]] std::uint32_t pictureHandle() const {
        touched();
        return picture_.handle();
    }
    [[nodiscard]] const std::string& toolTip() const {
        touched();
        return toolTip_;
    }

private:
    Picture picture_;
    std::string toolTip_;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, const ButtonDesign& design);

    [[nodiscard]] const std::string& caption() const {
        touched();
        return caption_;
    }
    void setCaption(std::string caption);
    [[nodiscard]] const Font& font() const {
        touched();
        return font_;
    }
    [[nodiscard]] bool bold() const {
        touched();
        return font_.bold;
    }
    void setBold(bool bold);
    [[nodiscard]] const Picture& picture() const {
        touched();
        return picture_;
    }
    [[nodiscard]] bool isDefault() const {
        touched();
        return isDefault_;
    }
    [[nodiscard]] bool isCancel() const {
        touched();
        return isCancel_;
    }
    [[nodiscard]] int tabIndex() const {
        touched();
        return tabIndex_;
    }
    // The access key, upper case: the letter after the first single "&" of
    // the caption ("&&" is a literal ampersand), or 0.
    [[nodiscard]] char32_t accessKey() const;

private:
    std::string caption_;
    Font font_;
    Picture picture_;
    bool isDefault_;
    bool isCancel_;
    int tabIndex_;
};

class TextBox : public Control {
public:
    TextBox(Form& form, const TextBoxDesign& design);

    [[nodiscard]] const std::string& text() const {
        touched();
        return text_;
    }
    void setText(std::string text);
    // Records an edit the user made in the backend's text widget; the widget
    // already shows it, so nothing is repainted. Its line breaks become
    // CR LF (line_breaks.h).
    void userEdited(std::string_view text);

    [[nodiscard]] bool multiLine() const {
        touched();
        return multiLine_;
    }
    [[nodiscard]] ScrollBars scrollBars() const {
        touched();
        return scrollBars_;
    }
    [[nodiscard]] bool locked() const {
        touched();
        return locked_;
    }
    [[nodiscard]] int tabIndex() const {
        touched();
        return tabIndex_;
    }
    [[nodiscard]] const Font& font() const {
        touched();
        return font_;
    }

private:
    std::string text_;
    Font font_;
    bool multiLine_;
    ScrollBars scrollBars_;
    bool locked_;
    int tabIndex_;
};

class Line : public Control {
public:
    Line(Form& form, const LineDesign& design);

    [[nodiscard]] Point from() const {
        touched();
        return from_;
    }
    [[nodiscard]] Point to() const {
        touched();
        return to_;
    }
    [[nodiscard]] Color color() const {
        touched();
        return color_;
    }
    [[nodiscard]] int borderWidth() const {
        touched();
        return borderWidth_;
    }

private:
    Point from_;
    Point to_;
    Color color_;
    int borderWidth_;
};

// While enabled with an interval above 0, a timer raises its event every
// interval milliseconds, counted from the moment it was switched on or its
// interval changed.
class Timer : public Control {
public:
    Timer(Form& form, const TimerDesign& design);
    ~Timer() override;

    [[nodiscard]] bool enabled() const {
        touched();
        return enabled_;
    }
    void setEnabled(bool enabled);
    [[nodiscard]] int interval() const {
        touched();
        return interval_;
    }
    // An interval outside 0 to 65535 raises "invalid property value".
    void setInterval(int milliseconds);

    // Whether the timer counts: enabled, an interval above 0, its window loaded.
    [[nodiscard]] bool counting() const;

    Handler onTimer;

private:
    friend class Scheduler;
    friend class Application;

    bool enabled_;
    int interval_;
    // Scheduler state: when the next tick falls due (microseconds on the
    // runtime's clock), the creation order that breaks ties, whether it
    // rests (and has joined a running batch of ticks), and whether the
    // handler is running (a tick is never delivered into its own handler).
    std::int64_t due_ = 0;
    std::uint64_t sequence_ = 0;
    bool scheduled_ = false;
    bool resting_ = false;
    bool joined_ = false;
    bool inHandler_ = false;
    // While it rests: the controls its handler touched on its last tick.
    std::vector<const Control*> restsOn_;
};

}  // namespace forms
