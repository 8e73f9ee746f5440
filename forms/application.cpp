#include "forms/application.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <stdexcept>
#include <utility>

#include "forms/window_frame.h"

namespace forms {
namespace {

// Thrown by end() to stop the handler that called it; only dispatch sees it.
struct EndRequest {};

// "Run-time error 424 (Object required) in frmAbout.Image1_Click"
std::string errorLine(const RuntimeError& error, const Form& form, HandlerName name) {
    std::string handler = form.name() + ".";
    if (name.control == nullptr) {
        handler += "Form";
    } else {
        handler += name.control->name();
        if (name.control->index() >= 0)
            handler += "(" + std::to_string(name.control->index()) + ")";
    }
    handler += "_" + std::string(name.event);
    return "Run-time error " + std::to_string(error.number()) + " (" + error.what() + ") in " +
           handler;
}

}  // namespace

Application::Application(Backend& backend, SystemServices& system, std::string title)
    : backend_(backend),
      system_(system),
      title_(std::move(title)),
      scheduler_([&backend] { return backend.monotonicMicros(); },
                 [this] { alarm_.timersChanged(); }),
      alarm_(scheduler_, [&backend](std::optional<std::int64_t> at) { backend.setAlarm(at); }),
      errorLog_([](const std::string& line) { std::cerr << line << std::endl; }) {
    backend_.app_ = this;
}

Application::~Application() {
    ended_ = true;
    alarm_.stop();
    abandonWaiting([](const RunningHandler&) { return true; });
    for (auto& form : loaded_) release(*form);
    backend_.app_ = nullptr;
}

int Application::run() { return ended_ ? 0 : backend_.run(); }

void Application::alarmRang() {
    alarm_.rang([this] { runDueTimers(); });
}

// --- Windows -------------------------------------------------------------

void Application::registerForm(std::string name, FormFactory factory) {
    factories_[std::move(name)] = std::move(factory);
}

std::vector<std::string> Application::formNames() const {
    std::vector<std::string> names;
    names.reserve(factories_.size());
    for (const auto& entry : factories_) names.push_back(entry.first);
    return names;
}

Form* Application::find(std::string_view name) const {
    for (const auto& form : loaded_) {
        if (form->name() == name) return form.get();
    }
    return nullptr;
}

Form& Application::load(std::string_view name) {
    if (Form* form = find(name)) return *form;
    contactOutside();
    const auto factory = factories_.find(name);
    if (factory == factories_.end()) throw RuntimeError(RuntimeError::ObjectRequired);
    std::unique_ptr<Form> made = factory->second(*this);
    // A design of another name could never be found again: a wiring fault.
    if (made->name() != name) {
        throw std::logic_error("window registered as " + std::string(name) + " has the design " +
                               made->name());
    }
    loaded_.push_back(std::move(made));
    Form& form = *loaded_.back();
    form.loaded_ = true;
    for (const auto& control : form.controls()) {
        if (auto* timer = dynamic_cast<Timer*>(control.get()); timer && timer->counting()) {
            scheduler_.start(*timer);
        }
    }
    stateChanged(form, nullptr);
    dispatch(form, form.onLoad, {"Load"});
    return form;
}

Form& Application::show(std::string_view name) {
    contactOutside();
    // Keeps the form object alive should its load handler unload it.
    HandlerScope scope(*this);
    Form& form = load(name);
    if (ended_ || !form.isLoaded()) return form;
    if (form.view_) {
        form.view_->raise();
    } else {
        form.focused_ = form.firstInTabOrder();
        form.view_ = backend_.showForm(form);
        stateChanged(form, nullptr);
        // The window opens with the focus where the core put it.
        if (form.focused_ != nullptr) form.view_->focus(*form.focused_);
    }
    return form;
}

void Application::release(Form& form) {
    form.loaded_ = false;
    form.capture_ = {};
    for (const auto& control : form.controls()) {
        if (auto* timer = dynamic_cast<Timer*>(control.get())) scheduler_.stop(*timer);
    }
    form.view_.reset();
}

void Application::unload(Form& form) {
    const auto it = std::find_if(loaded_.begin(), loaded_.end(),
                                 [&form](const auto& loaded) { return loaded.get() == &form; });
    if (it == loaded_.end()) return;
    // Its handlers that wait in boxes would go on in a window that is gone.
    abandonWaiting([&form](const RunningHandler& handler) { return handler.form == &form; });
    release(form);
    unloaded_.push_back(std::move(*it));
    loaded_.erase(it);
    stateChanged(form, nullptr);
    lastFormMayBeGone_ = true;
    if (depth_ == 0) settle();
}

void Application::closeRequested(Form& form) {
    if (ended_ || !form.isLoaded()) return;
    if (!mainForm_.empty() && form.name() == mainForm_) {
        // Other windows would reach a main window that is gone.
        closeAll();
        if (depth_ == 0) unloaded_.clear();
        return;
    }
    // A window without a close box closes only by its own controls.
    if (!frameOf(form.design()).closeBox) return;
    HandlerScope scope(*this);
    unload(form);
}

void Application::settle() {
    unloaded_.clear();
    if (lastFormMayBeGone_ && loaded_.empty() && !ended_) {
        ended_ = true;
        alarm_.stop();
        backend_.programEnded();
    }
    lastFormMayBeGone_ = false;
}

// --- Dispatch ------------------------------------------------------------

void Application::dispatch(Form& form, const Handler& handler, HandlerName name) {
    if (ended_ || !form.isLoaded() || !handler) return;
    HandlerScope scope(*this);
    runStep({{}, &form, name}, [&handler](Task& task) {
        task = handler();
        task.start();
    });
}

void Application::runStep(RunningHandler running, const std::function<void(Task&)>& step) {
    try {
        stoppedInBox_ = 0;
        step(running.task);
        if (!running.task.done()) {
            // It stopped in the box it opened last, and goes on when that
            // box is answered.
            const auto box = openBoxes_.find(std::exchange(stoppedInBox_, 0));
            if (box == openBoxes_.end())
                throw std::logic_error("a handler waits for something other than a message box");
            box->second.handler = std::move(running);
            return;
        }
        running.task.rethrowIfFailed();
    } catch (const RuntimeError& error) {
        lastError_ = error;
        ++errorCount_;
        stateMovedOn();    // the error count is state too
        contactOutside();  // and the line on the error log an effect
        if (errorLog_) errorLog_(errorLine(error, *running.form, running.name));
    } catch (const EndRequest&) {
        // The handler called end(): it stops here, and so does the program.
    }
}

void Application::dispatch(Form& form, const MouseHandler& handler, const MouseEvent& event,
                           HandlerName name) {
    if (!handler) return;
    dispatch(
        form, [&handler, &event] { handler(event); }, name);
}

void Application::timerChanged(Timer& timer) {
    if (ended_) return;
    if (timer.counting()) {
        scheduler_.start(timer);
    } else {
        scheduler_.stop(timer);
    }
    stateChanged(timer.form(), &timer);
}

void Application::stateChanged(const Form& form, const Control* control) {
    if (control) {
        // A control's property: only the timers that touched it wake.
        ++stateGeneration_;
        scheduler_.wakeResting([control](const Timer& timer) {
            return std::binary_search(timer.restsOn_.begin(), timer.restsOn_.end(), control);
        });
    } else {
        stateMovedOn();
    }
    if (stateObserver_) stateObserver_(form, control);
}

void Application::stateMovedOn() {
    ++stateGeneration_;
    scheduler_.wakeResting();
}

void Application::fireTimer(Timer& timer) {
    // A tick that falls due while the timer's own handler still runs (inside
    // a message box) is skipped.
    if (timer.inHandler_ || waitsInBox(timer)) return;
    const std::uint64_t generation = stateGeneration_;
    const std::uint64_t contacts = outsideContacts_;
    std::vector<const Control*> touched;
    std::vector<const Control*>* const outer = std::exchange(touched_, &touched);
    if (timer.onTimer) {
        timer.inHandler_ = true;
        dispatch(timer.form(), timer.onTimer, {"Timer", &timer});
        timer.inHandler_ = false;
    }
    touched_ = outer;
    // A tick inside a message box of the outer handler touched what that
    // handler touches too.
    if (outer) outer->insert(outer->end(), touched.begin(), touched.end());
    // The quiet-tick rule: the handler read only the windows' state (the
    // outside count stayed) and changed none of it (the generation stayed),
    // so its next tick would find the same state and do the same nothing.
    if (quietTicks_ && generation == stateGeneration_ && contacts == outsideContacts_) {
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
        timer.restsOn_ = std::move(touched);
        scheduler_.rest(timer);
    }
}

void Application::runDueTimers() {
    if (ended_) return;
    HandlerScope scope(*this);  // keeps every window object alive for the batch
    scheduler_.runDue([this](Timer& timer) { fireTimer(timer); });
}

// --- Services ------------------------------------------------------------

Application::MessageBoxWait Application::msgBox(const std::string& text, MsgButtons buttons,
                                                MsgIcon icon, const std::string& title) {
    return {*this, {text, title.empty() ? title_ : title, buttons, icon}};
}

bool Application::MessageBoxWait::await_suspend(coro::coroutine_handle<> waiting) {
    app_.contactOutside();
    const int id = app_.nextBoxId_++;
    app_.openBoxes_[id] = {this, waiting, std::nullopt};
    try {
        app_.alarm_.whileModal([&] { app_.backend_.showMessageBox(id, request_); });
    } catch (...) {
        app_.openBoxes_.erase(id);
        throw;
    }
    // Answered at once (the backend ran the box itself), or the program
    // ended while it opened: no waiting.
    if (answer_ || app_.ended_) {
        app_.openBoxes_.erase(id);
        return false;
    }
    app_.stoppedInBox_ = id;
    return true;
}

MsgResult Application::MessageBoxWait::await_resume() const {
    // The program ended while the box was open: the handler stops too.
    if (app_.ended_ || !answer_) throw EndRequest{};
    return *answer_;
}

void Application::messageBoxAnswered(int id, MsgResult answer) {
    const auto box = openBoxes_.find(id);
    if (box == openBoxes_.end()) return;  // its handler is gone
    box->second.wait->answer_ = answer;
    // Answered while it opens: the handler goes on by itself.
    if (!box->second.handler) return;
    RunningHandler running = std::move(*box->second.handler);
    coro::coroutine_handle<> goOn = box->second.goOn;
    openBoxes_.erase(box);
    HandlerScope scope(*this);
    // Not const: the experimental handle of clang 14's library resumes only so.
    runStep(std::move(running), [goOn](Task&) mutable { goOn.resume(); });
}

bool Application::waitsInBox(const Control& control) const {
    return std::any_of(openBoxes_.begin(), openBoxes_.end(), [&control](const auto& box) {
        return box.second.handler && box.second.handler->name.control == &control;
    });
}

void Application::abandonWaiting(const std::function<bool(const RunningHandler&)>& which) {
    std::vector<Task> abandoned;
    for (auto box = openBoxes_.begin(); box != openBoxes_.end();) {
        if (box->second.handler && which(*box->second.handler)) {
            abandoned.push_back(std::move(box->second.handler->task));
            box = openBoxes_.erase(box);
        } else {
            ++box;
        }
    }
    // Destroyed after the list is whole again: a frame's destructors might
    // reach the runtime.
}

void Application::closeAll() {
    if (ended_) return;
    ended_ = true;
    abandonWaiting([](const RunningHandler&) { return true; });
    for (auto& form : loaded_) release(*form);
    unloaded_.insert(unloaded_.end(), std::make_move_iterator(loaded_.begin()),
                     std::make_move_iterator(loaded_.end()));
    loaded_.clear();
    alarm_.stop();
    backend_.programEnded();
}

void Application::end() {
    contactOutside();
    closeAll();
    if (depth_ > 0) throw EndRequest{};
    unloaded_.clear();
}

float Application::secondsSinceMidnight() const {
    contactOutside();
    return static_cast<float>(backend_.localNow().secondsSinceMidnight());
}

std::string Application::format(const DateTime& when, std::string_view pattern) const {
    contactOutside();
    return formatDateTime(when, pattern, backend_.locale());
}

}  // namespace forms
