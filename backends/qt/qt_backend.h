#pragma once

#include <QObject>

#include "backends/qt/precise_alarm.h"
#include "forms/backend.h"

namespace forms {
class Application;
}

namespace forms::qt {

// The Qt6 Widgets backend: real windows, real input, real time. One precise
// alarm, re-armed to the earliest due tick, drives every timer of the
// program.
class QtBackend : public QObject, public Backend {
    Q_OBJECT
public:
    QtBackend();
    ~QtBackend() override;

    // Binds the program this backend serves; call once, before any window.
    void attach(Application& app);
    // Runs the event loop until the program ends; returns its exit code.
    int run();

    std::unique_ptr<FormView> showForm(Form& form) override;
    MsgResult showMessageBox(const MessageBoxRequest& request) override;
    std::int64_t monotonicMicros() override;
    DateTime localNow() override;
    Locale locale() override;
    void timersChanged() override;
    void programEnded() override;

    [[nodiscard]] Application& app() const { return *app_; }

private:
    void rearm();

    Application* app_ = nullptr;
    PreciseAlarm alarm_;
    bool delivering_ = false;  // the alarm rang and its ticks are being run
    bool ended_ = false;
};

}  // namespace forms::qt
