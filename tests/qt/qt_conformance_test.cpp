// The backend conformance suite on the Qt backend, its windows and widgets
// real on the offscreen platform; keys and the mouse come as Qt delivers
// them, message boxes are answered by pressing their buttons.
#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "backends/qt/form_window.h"
#include "backends/qt/qt_backend.h"
#include "tests/conformance/backend_conformance.h"

namespace klonkatron::testing::conformance {
namespace {

Qt::Key qtKeyOf(int keyCode, bool shift) {
    switch (keyCode) {
        case forms::kKeyTab:
            return shift ? Qt::Key_Backtab : Qt::Key_Tab;  // as Qt reports Shift+Tab
        case forms::kKeyEnter:
            return Qt::Key_Return;
        case forms::kKeyEscape:
            return Qt::Key_Escape;
        default:
            return static_cast<Qt::Key>(keyCode);
    }
}

QMessageBox::StandardButton buttonOf(forms::MsgResult answer) {
    switch (answer) {
        case forms::MsgResult::Cancel:
            return QMessageBox::Cancel;
        case forms::MsgResult::Yes:
            return QMessageBox::Yes;
        case forms::MsgResult::No:
            return QMessageBox::No;
        case forms::MsgResult::Ok:
            break;
    }
    return QMessageBox::Ok;
}

class QtHarness : public Harness {
public:
    forms::Backend& backend() override { return backend_; }
    void settle() override {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void key(forms::Form& form, int keyCode, bool shift) override {
        QWidget* window = forms::qt::windowOf(form);
        QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
        QTest::keyClick(focus, qtKeyOf(keyCode, shift), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    void press(forms::Form& form, int x, int y) override {
        QTest::mousePress(forms::qt::windowOf(form), Qt::LeftButton, {}, QPoint(x, y));
    }
    void release(forms::Form& form, int x, int y) override {
        QTest::mouseRelease(forms::qt::windowOf(form), Qt::LeftButton, {}, QPoint(x, y));
    }
    // Qt holds the mouse for the widget pressed by itself.
    std::optional<bool> capturing(forms::Form&) override { return std::nullopt; }
    bool windowShown(const forms::FormDesign& design) override {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->windowTitle() == QString::fromStdString(design.caption))
                return true;
        }
        return false;
    }
    std::optional<PixelRect> focusedWidget(forms::Form& form) override {
        const QWidget* focus = forms::qt::windowOf(form)->focusWidget();
        if (focus == nullptr) return std::nullopt;
        const QRect r = focus->geometry();
        return PixelRect{r.x(), r.y(), r.width(), r.height()};
    }
    void focusByPlatform(forms::Form& form, forms::Control& control) override {
        forms::qt::windowOf(form)->widgetOf(control)->setFocus(Qt::MouseFocusReason);
    }
    bool widgetShown(forms::Form& form, forms::Control& control) override {
        return forms::qt::windowOf(form)->widgetOf(control)->isVisible();
    }
    void answerMessageBox(forms::MessageBoxRequest expected, forms::MsgResult answer,
                          std::function<bool()> ready) override {
        // Looks for the box while the program runs under it.
        auto* poll = new QTimer(QCoreApplication::instance());
        poll->setInterval(1);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, expected, answer, ready] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !ready()) return;
            EXPECT_EQ(box->text().toStdString(), expected.text);
            EXPECT_EQ(box->windowTitle().toStdString(), expected.title);
            box->button(buttonOf(answer))->click();
            poll->deleteLater();
        });
        poll->start();
    }

    bool runUntil(const std::function<bool()>& done) override {
        QDeadlineTimer deadline(10'000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        return done();
    }

private:
    forms::qt::QtBackend backend_;
};

std::unique_ptr<Harness> makeQtHarness() { return std::make_unique<QtHarness>(); }

INSTANTIATE_TEST_SUITE_P(Qt, BackendConformance,
                         ::testing::Values(BackendUnderTest{"Qt", &makeQtHarness}));

}  // namespace
}  // namespace klonkatron::testing::conformance
