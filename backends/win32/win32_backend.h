#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "backends/win32/gdi_fonts.h"
#include "backends/win32/precise_alarm.h"
#include "forms/backend.h"

namespace forms::win32 {

class FormWindow;

// The Win32 backend: real windows of user32, painting with gdi32. One
// precise alarm, re-armed to the earliest due tick, drives every timer of
// the program; the program's own loop waits for it and its messages in one
// call.
class Win32Backend : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    int run() override;

    std::unique_ptr<FormView> showForm(Form& form) override;
    void showMessageBox(int id, const MessageBoxRequest& request) override;
    std::int64_t monotonicMicros() override;
    DateTime localNow() override;
    Locale locale() override;
    void setAlarm(std::optional<std::int64_t> micros) override;
    void programEnded() override;

    [[nodiscard]] GdiFonts& fonts() { return fonts_; }

    // Delivers the messages already queued, as run() does, and returns: for
    // a test that drives the windows itself.
    void deliverPending();
    // Runs the program's own loop, messages and ticks, until `done` holds
    // after one of them, the program ends or a quit message comes (which
    // stays queued for the loop outside): for a loop nested in a handler,
    // as a harness that lets time pass runs one.
    void runUntil(const std::function<bool()>& done);

    // A message loop that is not the program's own starts or ends: the
    // system's, while a window is moved or sized or its menu is open.
    void foreignLoopStarts() { alarm_.enterForeignLoop(); }
    void foreignLoopEnds() { alarm_.leaveForeignLoop(); }

    // Counts a window procedure of the program in and out: a window is
    // destroyed only when none of them runs.
    class InProcedure {
    public:
        explicit InProcedure(Win32Backend& backend) : backend_(backend) { ++backend_.depth_; }
        ~InProcedure();
        InProcedure(const InProcedure&) = delete;
        InProcedure& operator=(const InProcedure&) = delete;

    private:
        Win32Backend& backend_;
    };
    // Takes a window whose form was released, to destroy it when no window
    // procedure of the program runs.
    void retire(std::unique_ptr<FormWindow> window);

    // A window collected an area to paint: it is painted when what runs now
    // has finished (the outermost window procedure, a ring of the alarm, a
    // message box's start) or before the program's loop waits, whichever
    // comes first, together with every other change made meanwhile.
    void paintLater(FormWindow& window) { toPaint_.push_back(&window); }
    // A window goes: nothing of it is left to paint.
    void forgetPaint(FormWindow& window);
    // Paints what the windows collected.
    void paintCollected();

private:
    // Offers a key to the runtime before the window with the focus gets it;
    // true when it was used.
    bool offerKey(const MSG& message);
    void deliver(const MSG& message);
    void destroyRetired();

    PreciseAlarm alarm_;
    GdiFonts fonts_;
    std::vector<std::unique_ptr<FormWindow>> retired_;
    std::vector<FormWindow*> toPaint_;
    int depth_ = 0;
    bool ended_ = false;
};

}  // namespace forms::win32
