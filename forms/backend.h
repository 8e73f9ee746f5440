#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "forms/date_time.h"
#include "forms/message_box.h"

namespace forms {

class Application;
class Form;
class FormView;

// What a backend gives the runtime core: an event loop, windows, dialogs,
// time and one alarm. The Application binds itself to its backend when it
// is made; the backend reports input and the alarm to app(). The checklist
// in docs/BACKEND_CONTRACT.md says who calls what.
class Backend {
public:
    Backend() = default;
    virtual ~Backend() = default;
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // Runs the event loop until programEnded(); returns the exit code.
    virtual int run() = 0;
    // The program has ended: leave the event loop.
    virtual void programEnded() = 0;

    // Makes and shows the window of a loaded form.
    virtual std::unique_ptr<FormView> showForm(Form& form) = 0;
    // Shows a message box, and reports its answer by
    // app().messageBoxAnswered(id, answer): later, from the event loop, or
    // before returning where the backend runs the box's modal loop itself.
    // Until then the alarm and the other windows' input go on. A box still
    // open when the program ends goes away unanswered.
    virtual void showMessageBox(int id, const MessageBoxRequest& request) = 0;

    // A steady clock, in microseconds, that the timers count on.
    virtual std::int64_t monotonicMicros() = 0;
    // Call app().alarmRang() once at that moment of monotonicMicros(), or
    // at once if it has passed; replaces the moment set before. No moment:
    // nothing to wake for.
    virtual void setAlarm(std::optional<std::int64_t> micros) = 0;
    // The local date and time.
    virtual DateTime localNow() = 0;
    // The system's regional settings.
    virtual Locale locale() { return {}; }

    // The program this backend serves.
    [[nodiscard]] Application& app() const { return *app_; }

private:
    friend class Application;
    Application* app_ = nullptr;
};

}  // namespace forms
