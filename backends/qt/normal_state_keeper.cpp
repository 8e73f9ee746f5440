#include "backends/qt/normal_state_keeper.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace forms::qt {
namespace {

constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches the states the window system reports to the window; the widget's
// own state also changes when the program sets it.
class NormalStateKeeper : public QObject {
public:
    explicit NormalStateKeeper(QWidget& window) : QObject(&window), window_(&window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && window_ != nullptr &&
            (window_->windowHandle()->windowStates() & kResized) != 0) {
            // Not one frame at the fixed size while the compositor waits
            // for one at its own; once this report is handled, the window
            // starts afresh with a new surface in its normal state.
            window_->setUpdatesEnabled(false);
            QMetaObject::invokeMethod(
                this,
                [window = window_] {
                    if (!window) return;
                    window->hide();
                    window->setWindowState(window->windowState() & ~kResized);
                    window->setUpdatesEnabled(true);
                    window->show();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace

void keepNormalState(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("wayland")) return;
    window.windowHandle()->installEventFilter(new NormalStateKeeper(window));
}

}  // namespace forms::qt
