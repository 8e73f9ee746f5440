#pragma once

#include <map>
#include <optional>

#include "forms/backend.h"

namespace forms::web {

class WebFormView;

// The backend of a web page: the page is the desktop, each window a frame
// with an HTML canvas and HTML controls, message boxes modal HTML dialogs,
// the timers one setTimeout. The browser's event loop is the program's:
// run() hands over to it and returns at once, and the page calls in with
// its input (page_input.cpp) for as long as the program lives. One backend
// serves the page at a time.
class WebBackend : public Backend {
public:
    WebBackend();
    ~WebBackend() override;

    // The backend that serves the page, or nullptr.
    static WebBackend* current();

    int run() override;
    void programEnded() override;
    std::unique_ptr<FormView> showForm(Form& form) override;
    void showMessageBox(int id, const MessageBoxRequest& request) override;
    std::int64_t monotonicMicros() override;
    void setAlarm(std::optional<std::int64_t> micros) override;
    DateTime localNow() override;
    Locale locale() override;

    // The shown window of that number, or nullptr once it has closed.
    [[nodiscard]] WebFormView* window(int number) const;
    // A window closed.
    void forget(int number) { windows_.erase(number); }

private:
    std::map<int, WebFormView*> windows_;
    int nextWindow_ = 1;
    std::optional<Locale> locale_;
};

}  // namespace forms::web
