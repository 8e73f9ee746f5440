#include "backends/headless/headless_backend.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/form.h"

namespace forms::headless {
namespace {

std::string describe(const MessageBoxRequest& r) {
    return "\"" + r.text + "\" titled \"" + r.title + "\" (buttons " +
           std::to_string(static_cast<int>(r.buttons)) + ", icon " +
           std::to_string(static_cast<int>(r.icon)) + ")";
}

}  // namespace

class HeadlessBackend::View : public FormView {
public:
    explicit View(WindowLog& log) : log_(log) { log_.open = true; }
    ~View() override {
        log_.open = false;
        log_.mouseCaptured = false;
    }
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    void repaint(const Rect&) override { ++log_.repaints; }
    void widgetChanged(Control&) override { ++log_.widgetChanges; }
    void pointerChanged() override { ++log_.pointerChanges; }
    void focus(Control& control) override { log_.focused = control.name(); }
    void captureMouse(bool captured) override { log_.mouseCaptured = captured; }

private:
    WindowLog& log_;
};

HeadlessBackend::HeadlessBackend(DateTime start) : start_(start) {}

int HeadlessBackend::run() {
    while (!programEnded_ && alarm_) {
        now_ = std::max(now_, *alarm_);
        app().alarmRang();
    }
    return 0;
}

std::unique_ptr<FormView> HeadlessBackend::showForm(Form& form) {
    ++windowsShown_;
    return std::make_unique<View>(windows_[form.name()]);
}

void HeadlessBackend::expectMessageBox(MessageBoxRequest request, MsgResult answer,
                                       std::function<void()> whileOpen) {
    expected_.push_back({std::move(request), answer, std::move(whileOpen)});
}

void HeadlessBackend::expectOpenMessageBox(MessageBoxRequest request) {
    expected_.push_back({std::move(request), std::nullopt, {}});
}

void HeadlessBackend::showMessageBox(int id, const MessageBoxRequest& request) {
    shown_.push_back(request);
    if (expected_.empty() && responder_) {
        app().messageBoxAnswered(id, responder_(request));
        return;
    }
    if (expected_.empty())
        throw UnexpectedMessageBox("unexpected message box " + describe(request));
    Expectation next = std::move(expected_.front());
    expected_.pop_front();
    if (!(next.request == request)) {
        throw UnexpectedMessageBox("message box " + describe(request) + ", expected " +
                                   describe(next.request));
    }
    if (!next.answer) {
        open_.push_back(id);
        return;
    }
    if (next.whileOpen) next.whileOpen();
    app().messageBoxAnswered(id, *next.answer);
}

void HeadlessBackend::answerOpenBox(MsgResult answer) {
    if (open_.empty()) throw UnexpectedMessageBox("no message box is open to answer");
    const int id = open_.front();
    open_.erase(open_.begin());
    app().messageBoxAnswered(id, answer);
}

}  // namespace forms::headless
