#include "backends/web/web_backend.h"

#include <emscripten.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "backends/web/page.h"
#include "backends/web/page_locale.h"
#include "backends/web/web_form_view.h"

namespace forms::web {
namespace {

WebBackend* serving = nullptr;

}  // namespace

WebBackend::WebBackend() { serving = this; }

WebBackend::~WebBackend() {
    kk_set_alarm(-1);
    if (serving == this) serving = nullptr;
}

WebBackend* WebBackend::current() { return serving; }

// The page's loop runs after the program's start has returned; nothing here
// may block it.
int WebBackend::run() { return 0; }

void WebBackend::programEnded() {
    kk_set_alarm(-1);
    kk_program_ended();
}

std::unique_ptr<FormView> WebBackend::showForm(Form& form) {
    const int number = nextWindow_++;
    auto view = std::make_unique<WebFormView>(*this, form, number);
    windows_[number] = view.get();
    return view;
}

WebFormView* WebBackend::window(int number) const {
    const auto it = windows_.find(number);
    return it == windows_.end() ? nullptr : it->second;
}

void WebBackend::showMessageBox(int id, const MessageBoxRequest& request) {
    kk_message_box(id, request.title.c_str(), request.text.c_str(),
                   static_cast<int>(request.buttons), static_cast<int>(request.icon));
}

// The page's monotonic clock (performance.now), in microseconds.
std::int64_t WebBackend::monotonicMicros() {
    return static_cast<std::int64_t>(emscripten_get_now() * 1000.0);
}

void WebBackend::setAlarm(std::optional<std::int64_t> micros) {
    if (!micros) {
        kk_set_alarm(-1);
        return;
    }
    const std::int64_t wait = *micros - monotonicMicros();
    kk_set_alarm(wait > 0 ? static_cast<double>(wait) / 1000.0 : 0.0);
}

// The browser's local time, as emscripten's C library gives it.
DateTime WebBackend::localNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,           local.tm_hour,
            local.tm_min,         local.tm_sec,     static_cast<int>(millis)};
}

// The names of the browser's language, asked for once.
Locale WebBackend::locale() {
    if (!locale_) {
        char* lines = kk_locale_lines();
        locale_ = localeFromLines(lines);
        std::free(lines);
    }
    return *locale_;
}

}  // namespace forms::web
