#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/backend.h"
#include "forms/date_time.h"
#include "forms/events.h"
#include "forms/form.h"
#include "forms/message_box.h"
#include "forms/random.h"
#include "forms/runtime_error.h"
#include "forms/scheduler.h"
#include "forms/system/system_services.h"
#include "forms/task.h"
#include "forms/timer_alarm.h"

namespace forms {

// The running program: its windows, its timers, the dispatch of every event
// handler, and the services the logic calls.
class Application {
public:
    using FormFactory = std::function<std::unique_ptr<Form>(Application&)>;

    // Binds itself to the backend, which serves this program only.
    Application(Backend& backend, SystemServices& system, std::string title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    [[nodiscard]] const std::string& title() const { return title_; }
    [[nodiscard]] Backend& backend() const {
        contactOutside();
        return backend_;
    }

    // --- Windows -----------------------------------------------------------
    void registerForm(std::string name, FormFactory factory);
    // The names of every registered window, in alphabetical order.
    [[nodiscard]] std::vector<std::string> formNames() const;
    // The loaded form of that name, created (and its load handler run) if it
    // is not loaded. An unknown name raises "object required"; a window
    // whose design carries another name than it was registered by is a
    // wiring fault (std::logic_error), which no handler swallows.
    Form& load(std::string_view name);
    // Shows a form modeless, loading it first where needed, and returns at
    // once; showing a shown form keeps that one window.
    Form& show(std::string_view name);
    // Closes a form, releases its controls and stops its timers. The object
    // itself lives until the running handler has returned.
    void unload(Form& form);
    // The loaded form of that name, or nullptr.
    [[nodiscard]] Form* find(std::string_view name) const;
    [[nodiscard]] bool isLoaded(std::string_view name) const { return find(name) != nullptr; }

    // --- Dispatch ----------------------------------------------------------
    // Runs one event handler of a loaded form. A run-time error ends only
    // that handler and leaves one line in the error log; after end() no
    // handler runs.
    void dispatch(Form& form, const Handler& handler, HandlerName name);
    void dispatch(Form& form, const MouseHandler& handler, const MouseEvent& event,
                  HandlerName name);
    [[nodiscard]] const std::optional<RuntimeError>& lastError() const { return lastError_; }
    [[nodiscard]] int errorCount() const { return errorCount_; }
    // Where the line of each run-time error goes: standard error, unless a
    // test captures or silences it.
    using ErrorLog = std::function<void(const std::string& line)>;
    void setErrorLog(ErrorLog log) { errorLog_ = std::move(log); }

    // --- The event loop, as a backend drives it -----------------------------
    // Runs the backend's event loop until the program ends.
    int run();
    // The backend's alarm rang: the due ticks run, and the alarm is set again.
    void alarmRang();

    // --- Input, as a backend reports it ------------------------------------
    // Positions are in the window's client pixels (logical, at 96 dpi).
    void mousePress(Form& form, double x, double y, int button, int shift);
    void mouseRelease(Form& form, double x, double y, int button, int shift);
    void mouseMove(Form& form, double x, double y, int buttons, int shift);
    // The pointer moved over a widget control (a button).
    void widgetMouseMove(Control& control, double x, double y, int buttons, int shift);
    // A button was pressed by the mouse or the keyboard.
    void buttonClick(CommandButton& button);
    // A key went down in a window. Returns true when the runtime used it
    // (default and cancel buttons, access keys, a key preview that
    // swallowed it); otherwise the focused widget may handle it.
    bool keyPress(Form& form, const KeyEvent& key);
    // The system asks to close a window (its close box, or the window
    // manager's close). The main form's close ends the program instead; a
    // window without a close box stays.
    void closeRequested(Form& form);
    // The window that the program cannot go on without: closed by the
    // system, it ends the program quietly, as end() does, running no handler.
    void setMainForm(std::string name) { mainForm_ = std::move(name); }

    // --- Services of the logic ---------------------------------------------
    // A message box for a handler to wait for, `co_await app.msgBox(...)`,
    // which gives the answer; without a title it shows the program's title.
    // Other timers tick and windows work while it is open. The handler's
    // tick is skipped meanwhile. Should its window be unloaded or the
    // program end first, the handler is destroyed where it waits and runs
    // no further; the box's answer then goes nowhere.
    class [[nodiscard]] MessageBoxWait {
    public:
        bool await_ready() const noexcept { return false; }
        // Shows the box; does not wait when the answer came at once.
        bool await_suspend(coro::coroutine_handle<> waiting);
        MsgResult await_resume() const;

    private:
        friend class Application;
        MessageBoxWait(Application& app, MessageBoxRequest request)
            : app_(app), request_(std::move(request)) {}

        Application& app_;
        MessageBoxRequest request_;
        std::optional<MsgResult> answer_;
    };
    MessageBoxWait msgBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                          MsgIcon icon = MsgIcon::None, const std::string& title = {});
    // The backend's report of a box's answer.
    void messageBoxAnswered(int id, MsgResult answer);
    // Whether a handler waits for the answer of a box.
    [[nodiscard]] bool handlerWaits() const { return !openBoxes_.empty(); }
    // Ends the program at once: every window closes without running
    // handlers, no further handler runs, and the handler that called it stops.
    void end();
    [[nodiscard]] bool ended() const { return ended_; }

    void randomize(double seed) {
        contactOutside();
        random_.randomize(seed);
    }
    float rnd() {
        contactOutside();
        return random_.next();
    }
    [[nodiscard]] Random& random() {
        contactOutside();
        return random_;
    }

    // Seconds since midnight, in single precision with the fraction.
    [[nodiscard]] float secondsSinceMidnight() const;
    [[nodiscard]] DateTime now() const {
        contactOutside();
        return backend_.localNow();
    }
    [[nodiscard]] std::string format(const DateTime& when, std::string_view pattern) const;

    double shell(const std::string& path, StartedWindow style) {
        contactOutside();
        return system_.shell(path, style);
    }
    std::string findFile(const std::string& path, int attributes) {
        contactOutside();
        return system_.findFile(path, attributes);
    }
    [[nodiscard]] Registry& registry() {
        contactOutside();
        return system_.registry();
    }

    [[nodiscard]] Scheduler& scheduler() { return scheduler_; }

    // --- Quiet ticks -------------------------------------------------------
    // A timer whose tick read nothing but the windows' state and changed
    // nothing would read the same and change nothing again while that state
    // stays as it is: with quiet ticks on, it rests (nothing wakes the
    // program for it) until some state changes, and then ticks on its own
    // grid as if it had ticked all along. Turning this on is the program's
    // word that its handlers keep all their state in the windows'
    // properties and reach the rest of the world only through this class.
    void setQuietTicks(bool on) { quietTicks_ = on; }
    [[nodiscard]] bool quietTicks() const { return quietTicks_; }
    // Something a handler can read changed: a property of a control (the
    // control given) or of a window, a window loaded, shown or unloaded.
    // Windows and controls report it; the observer, if any, sees it after.
    void stateChanged(const Form& form, const Control* control);
    // A handler read or wrote a property of the control (Control reports it).
    void controlTouched(const Control& control) {
        if (touched_) touched_->push_back(&control);
    }
    using StateObserver = std::function<void(const Form& form, const Control* control)>;
    void observeState(StateObserver observer) { stateObserver_ = std::move(observer); }

private:
    friend class Form;

    // Counts the handlers that are running, so that unloaded windows are
    // released and the end of the program is decided only when none runs.
    class HandlerScope {
    public:
        explicit HandlerScope(Application& app) : app_(app) { ++app_.depth_; }
        ~HandlerScope() {
            if (--app_.depth_ == 0) app_.settle();
        }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        Application& app_;
    };

    // A handler that runs, or waits in a box: its coroutine, if it is one,
    // and what a run-time error names.
    struct RunningHandler {
        Task task;
        Form* form;
        HandlerName name;
    };
    // A box on the screen: who waits for it, where to go on, and the
    // handler to go on with once it has stopped (none while the box opens).
    struct OpenBox {
        MessageBoxWait* wait;
        coro::coroutine_handle<> goOn;
        std::optional<RunningHandler> handler;
    };
    // Runs one step of a handler (its start, or its going on after a box).
    // A run-time error or end() ends it; a handler stopped in a box waits.
    void runStep(RunningHandler running, const std::function<void(Task&)>& step);
    // Whether a handler of that control waits in a box.
    [[nodiscard]] bool waitsInBox(const Control& control) const;
    // Destroys the handlers that wait in boxes, where `which` holds.
    void abandonWaiting(const std::function<bool(const RunningHandler&)>& which);

    void timerChanged(Timer& timer);
    // The logic reached something outside the windows' state: the clock,
    // random numbers, the system, the backend, a message box, a window
    // loaded or shown, the end.
    void contactOutside() const { ++outsideContacts_; }
    // Moves the state on: resting timers tick again.
    void stateMovedOn();
    // Delivers the timer ticks that are due.
    void runDueTimers();
    void fireTimer(Timer& timer);
    void release(Form& form);
    void settle();
    // Closes every form without running handlers and tells the backend.
    void closeAll();

    Backend& backend_;
    SystemServices& system_;
    std::string title_;
    Scheduler scheduler_;
    // While a timer's handler runs: the controls it touched.
    std::vector<const Control*>* touched_ = nullptr;
    TimerAlarm alarm_;
    Random random_;
    std::map<std::string, FormFactory, std::less<>> factories_;
    std::string mainForm_;
    std::vector<std::unique_ptr<Form>> loaded_;    // in load order
    std::vector<std::unique_ptr<Form>> unloaded_;  // released when no handler runs
    int depth_ = 0;
    bool ended_ = false;
    bool lastFormMayBeGone_ = false;
    std::optional<RuntimeError> lastError_;
    int errorCount_ = 0;
    ErrorLog errorLog_;
    bool quietTicks_ = false;
    // Counts that tell a tick's handler that read only the windows and changed
    // nothing: both stay as they were.
    std::uint64_t stateGeneration_ = 0;
    mutable std::uint64_t outsideContacts_ = 0;
    StateObserver stateObserver_;
    std::map<int, OpenBox> openBoxes_;  // by the box's id
    int nextBoxId_ = 1;
    int stoppedInBox_ = 0;  // the box the last step stopped in
};

}  // namespace forms
