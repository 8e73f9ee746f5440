#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/form_view.h"

namespace forms::headless {

// A message box came that the test did not expect, or not as expected.
class UnexpectedMessageBox : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The backend of tests and simulations: a virtual clock, scripted message
// boxes, and windows that only count what would have been painted.
class HeadlessBackend : public Backend {
public:
    // What a shown window saw, for tests of what gets repainted.
    struct WindowLog {
        int repaints = 0;
        int widgetChanges = 0;
        int pointerChanges = 0;
        bool open = false;
        std::string focused;  // the control the window gave the focus to last
        bool mouseCaptured = false;
    };

    explicit HeadlessBackend(DateTime start = {2026, 12, 7, 9, 5, 0, 0});

    // The event loop without input: the clock jumps from alarm to alarm
    // until the program ends or nothing is left to wake for.
    int run() override;
    void programEnded() override {
        programEnded_ = true;
        open_.clear();
    }
    std::unique_ptr<FormView> showForm(Form& form) override;
    void showMessageBox(int id, const MessageBoxRequest& request) override;
    std::int64_t monotonicMicros() override { return now_; }
    void setAlarm(std::optional<std::int64_t> micros) override {
        alarm_ = micros;
        ++alarmsSet_;
    }
    DateTime localNow() override { return start_.plusMilliseconds(now_ / 1000); }
    Locale locale() override { return locale_; }

    // The virtual clock. Only the runtime driver moves it.
    void setNow(std::int64_t micros) { now_ = micros; }
    // The moment the alarm is set to, and how often it was set.
    [[nodiscard]] std::optional<std::int64_t> alarm() const { return alarm_; }
    [[nodiscard]] int alarmsSet() const { return alarmsSet_; }
    void setLocale(Locale locale) { locale_ = std::move(locale); }

    // Scripts the next message box: the request it must show and the answer
    // to give as it opens. `whileOpen` runs while the box is open (for
    // instance to let time pass under it).
    void expectMessageBox(MessageBoxRequest request, MsgResult answer,
                          std::function<void()> whileOpen = {});
    // Scripts the next message box to stay open until answerOpenBox()
    // answers it, as a box on a screen does.
    void expectOpenMessageBox(MessageBoxRequest request);
    // The boxes that stay open, by id, oldest first.
    [[nodiscard]] const std::vector<int>& openBoxes() const { return open_; }
    // Answers the oldest box that stays open.
    void answerOpenBox(MsgResult answer);
    // Answers every box that no expectation is queued for, instead of
    // failing: for simulations that let a random player meet any box.
    void answerUnscripted(std::function<MsgResult(const MessageBoxRequest&)> responder) {
        responder_ = std::move(responder);
    }
    [[nodiscard]] const std::vector<MessageBoxRequest>& shownMessageBoxes() const { return shown_; }
    [[nodiscard]] size_t pendingExpectations() const { return expected_.size(); }

    [[nodiscard]] bool programHasEnded() const { return programEnded_; }
    // The log of a window by form name; windows shown again share a log.
    [[nodiscard]] const WindowLog& window(const std::string& formName) {
        return windows_[formName];
    }
    [[nodiscard]] int windowsShown() const { return windowsShown_; }

private:
    struct Expectation {
        MessageBoxRequest request;
        std::optional<MsgResult> answer;  // none: the box stays open
        std::function<void()> whileOpen;
    };
    class View;

    DateTime start_;
    std::int64_t now_ = 0;
    std::optional<std::int64_t> alarm_;
    int alarmsSet_ = 0;
    Locale locale_;
    std::deque<Expectation> expected_;
    std::function<MsgResult(const MessageBoxRequest&)> responder_;
    std::vector<MessageBoxRequest> shown_;
    std::vector<int> open_;
    std::map<std::string, WindowLog> windows_;
    int windowsShown_ = 0;
    bool programEnded_ = false;
};

}  // namespace forms::headless
