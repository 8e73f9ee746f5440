#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include "backends/qt/precise_alarm.h"
#include "forms/backend.h"

namespace forms::qt {

// The Qt6 Widgets backend: real windows, real input, real time, and a
// precise alarm for the timers. A QApplication must exist first.
class QtBackend : public QObject, public Backend {
    Q_OBJECT
public:
    QtBackend();
    ~QtBackend() override;

    int run() override;
    void programEnded() override;
    std::unique_ptr<FormView> showForm(Form& form) override;
    void showMessageBox(int id, const MessageBoxRequest& request) override;
    std::int64_t monotonicMicros() override;
    void setAlarm(std::optional<std::int64_t> micros) override;
    DateTime localNow() override;
    Locale locale() override;

private:
    PreciseAlarm alarm_;
    bool looping_ = false;
    QList<QPointer<QMessageBox>> openBoxes_;
};

}  // namespace forms::qt
