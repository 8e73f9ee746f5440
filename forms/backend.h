#pragma once

#include <cstdint>
#include <memory>

#include "forms/date_time.h"
#include "forms/message_box.h"

namespace forms {

class Form;
class FormView;

// What a backend gives the runtime core: windows, dialogs and time.
class Backend {
public:
    virtual ~Backend() = default;

    // Makes and shows the window of a loaded form.
    virtual std::unique_ptr<FormView> showForm(Form& form) = 0;

    // Shows a message box and blocks until it is answered. Timers keep
    // running while it is open.
    virtual MsgResult showMessageBox(const MessageBoxRequest& request) = 0;

    // A steady clock, in microseconds, that the timers count on.
    virtual std::int64_t monotonicMicros() = 0;
    // The local date and time.
    virtual DateTime localNow() = 0;
    // The system's regional settings.
    virtual Locale locale() { return {}; }

    // The earliest time a timer falls due may have changed.
    virtual void timersChanged() {}
    // The program has ended: leave the event loop.
    virtual void programEnded() {}
};

}  // namespace forms
