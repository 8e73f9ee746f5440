#include "backends/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

#include "backends/qt/conversions.h"
#include "backends/qt/drawn_title_bar.h"
#include "backends/qt/normal_state_keeper.h"
#include "backends/qt/pointer.h"
#include "backends/qt/qt_backend.h"
#include "backends/qt/scaled_paint.h"
#include "backends/qt/window_frame_hints.h"
#include "forms/application.h"
#include "forms/button_face.h"
#include "forms/line_breaks.h"
#include "forms/pixels.h"

namespace forms::qt {
namespace {

int buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return LeftButton;
        case Qt::RightButton:
            return RightButton;
        case Qt::MiddleButton:
            return MiddleButton;
        default:
            return 0;
    }
}

int buttonsOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? LeftButton : 0) |
           (buttons & Qt::RightButton ? RightButton : 0) |
           (buttons & Qt::MiddleButton ? MiddleButton : 0);
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? ShiftKey : 0) |
           (modifiers & Qt::ControlModifier ? CtrlKey : 0) |
           (modifiers & Qt::AltModifier ? AltKey : 0);
}

// Qt's keys in the core's table (forms/events.h).
int keyCodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Escape:
            return kKeyEscape;
        case Qt::Key_Backspace:
            return kKeyBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:  // Shift+Tab, with the Shift modifier
            return kKeyTab;
        case Qt::Key_Space:
            return kKeySpace;
        default:
            break;
    }
    return isLetterOrDigitKey(qtKey) ? qtKey : 0;  // Qt numbers them as the table does
}

// The text boxes keep CR LF (forms/line_breaks.h); the Qt widget keeps LF.
QString widgetText(const std::string& text) { return QString::fromStdString(withLineFeeds(text)); }

// Dots on every other pixel of the rectangle's edge, each the inverse of
// what lies under it, as the dotted focus rectangle of the system's buttons.
void drawFocusRectangle(QPainter& painter, const PixelRect& r) {
    if (r.width <= 0 || r.height <= 0) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    const auto dot = [&painter](int x, int y) { painter.fillRect(x, y, 1, 1, Qt::black); };
    const int right = r.left + r.width - 1;
    const int bottom = r.top + r.height - 1;
    for (int x = r.left; x <= right; x += 2) {
        dot(x, r.top);
        if (bottom != r.top) dot(x, bottom);
    }
    for (int y = r.top + 2; y < bottom; y += 2) {
        dot(r.left, y);
        if (right != r.left) dot(right, y);
    }
    painter.restore();
}

// A button whose face is a picture; how it looks pressed and with the focus
// is the core's (forms/button_face.h).
class PictureButton : public QPushButton {
public:
    PictureButton(const CommandButton& button, FormWindow* window)
        : QPushButton(window), button_(button), window_(window) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (window_->form() == nullptr) return;  // the control is gone
        const PictureButtonFace face = pictureButtonFace(button_, isDown(), hasFocus());
        QPainter painter(this);
        const QPoint offset(face.pictureOffset, face.pictureOffset);
        painter.drawImage(offset, pictureForDevice(pixmapOf(button_.picture()), size(),
                                                   painter.device()->devicePixelRatioF()));
        if (face.focusRectangle) drawFocusRectangle(painter, *face.focusRectangle);
    }

private:
    const CommandButton& button_;
    FormWindow* window_;
};

class QtFormView : public FormView {
public:
    explicit QtFormView(FormWindow* window) : window_(window) {}
    ~QtFormView() override {
        if (!window_) return;
        window_->detach();
        // With a drawn title bar, the window is the client area of another.
        QWidget* topLevel = window_->window();
        topLevel->hide();
        topLevel->deleteLater();
    }
    QtFormView(const QtFormView&) = delete;
    QtFormView& operator=(const QtFormView&) = delete;

    void repaint(const Rect& area) override { window_->repaintTwips(area); }
    void widgetChanged(Control& control) override { window_->updateWidget(control); }
    void pointerChanged() override { window_->updatePointer(); }
    void raise() override {
        window_->window()->raise();
        window_->activateWindow();
    }
    void focus(Control& control) override {
        if (QWidget* widget = window_->widgetOf(control)) widget->setFocus();
    }
    // Qt itself gives the widget pressed every mouse event until the last
    // button is released.
    void captureMouse(bool) override {}

private:
    QPointer<FormWindow> window_;
};

}  // namespace

FormWindow::FormWindow(QtBackend& backend, Form& form) : backend_(backend), form_(&form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    applyWindowProperties();
    createWidgets();
    updatePointer();
}

FormWindow::~FormWindow() = default;

void FormWindow::detach() { form_ = nullptr; }

QWidget* FormWindow::widgetOf(const Control& control) const { return widgets_.value(&control); }

void FormWindow::applyWindowProperties() {
    const FormDesign& d = form_->design();
    const WindowFrame frame = frameOf(d);
    setWindowFlags(flagsOf(frame));
    setWindowTitle(QString::fromStdString(d.caption));
    const QSize client(pixelsFromTwips(d.clientWidth), pixelsFromTwips(d.clientHeight));
    if (frame.fixedSize()) setFixedSize(client);
    QIcon icon;
    if (!form_->smallIcon().isEmpty()) icon.addPixmap(pixmapOf(form_->smallIcon()));
    if (!form_->icon().isEmpty()) icon.addPixmap(pixmapOf(form_->icon()));
    setWindowIcon(icon);

    QPoint topLeft(pixelsFromTwips(d.position.x), pixelsFromTwips(d.position.y));
    if (d.startPosition == StartPosition::CenterScreen) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        topLeft = available.topLeft() + QPoint((available.width() - client.width()) / 2,
                                               (available.height() - client.height()) / 2);
    }
    setGeometry(QRect(topLeft, client));
    addWindowManagerHints(*this, frame);
}

void FormWindow::createWidgets() {
    for (const auto& owned : form_->controls()) {
        Control* control = owned.get();
        QWidget* widget = nullptr;
        if (auto* button = dynamic_cast<CommandButton*>(control)) {
            QPushButton* push = button->picture().isEmpty() ? new QPushButton(this)
                                                            : new PictureButton(*button, this);
            push->setAutoDefault(false);
            push->setCursor(Qt::ArrowCursor);  // the buttons keep the arrow
            push->setMouseTracking(true);
            connect(push, &QPushButton::clicked, this, [this, button] {
                if (form_) backend_.app().buttonClick(*button);
            });
            widget = push;
        } else if (auto* text = dynamic_cast<TextBox*>(control)) {
            auto* edit = new QPlainTextEdit(this);
            edit->setPlainText(widgetText(text->text()));
            edit->setReadOnly(text->locked());
            edit->setLineWrapMode(text->multiLine() ? QPlainTextEdit::WidgetWidth
                                                    : QPlainTextEdit::NoWrap);
            const bool vertical = text->scrollBars() == ScrollBars::Vertical ||
                                  text->scrollBars() == ScrollBars::Both;
            const bool horizontal = text->scrollBars() == ScrollBars::Horizontal ||
                                    text->scrollBars() == ScrollBars::Both;
            edit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
            edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
            edit->setCursor(Qt::IBeamCursor);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, text, edit] {
                if (form_) text->userEdited(edit->toPlainText().toStdString());
            });
            widget = edit;
        }
        if (widget == nullptr) continue;
        widget->setGeometry(qrectOf(control->bounds()));
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(this);
        widgets_.insert(control, widget);
        controlOf_.insert(widget, control);
        updateWidget(*control);
    }
    // The keys reach the runtime first, whichever widget has the focus: Tab
    // and Shift+Tab too, which the core answers.
    installEventFilter(this);
}

void FormWindow::repaintTwips(const Rect& area) { update(qrectOf(area)); }

void FormWindow::updateWidget(Control& control) {
    QWidget* widget = widgets_.value(&control);
    if (widget == nullptr) return;
    widget->setVisible(control.visible());
    if (auto* button = dynamic_cast<CommandButton*>(&control)) {
        auto* push = static_cast<QPushButton*>(widget);
        if (button->picture().isEmpty()) {
            push->setText(QString::fromStdString(button->caption()));
            // Access keys are the runtime's: Qt's own mnemonic goes.
            push->setShortcut(QKeySequence());
        }
        push->setFont(qfontOf(button->font()));
        push->update();  // a picture face may show the focus now
    } else if (auto* text = dynamic_cast<TextBox*>(&control)) {
        auto* edit = static_cast<QPlainTextEdit*>(widget);
        edit->setFont(qfontOf(text->font()));
        if (withCrLf(edit->toPlainText().toStdString()) != text->text())
            edit->setPlainText(widgetText(text->text()));
    }
}

void FormWindow::updatePointer() {
    if (form_ == nullptr) return;
    if (form_->mousePointer() != MousePointer::Custom || form_->mouseIcon().isEmpty()) {
        unsetCursor();
        return;
    }
    setCursor(pointerOf(form_->mouseIcon(), devicePixelRatioF(), QGuiApplication::platformName()));
}

void FormWindow::paintEvent(QPaintEvent* event) {
    if (form_ == nullptr) return;
    QPainter painter(this);
    paintFormForDevice(painter, *form_, event->rect());
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    if (form_ == nullptr) return;
    const QPointF p = event->position();
    backend_.app().mousePress(*form_, p.x(), p.y(), buttonOf(event->button()),
                              shiftOf(event->modifiers()));
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (form_ == nullptr) return;
    const QPointF p = event->position();
    backend_.app().mouseRelease(*form_, p.x(), p.y(), buttonOf(event->button()),
                                shiftOf(event->modifiers()));
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    if (form_ == nullptr) return;
    const QPointF p = event->position();
    backend_.app().mouseMove(*form_, p.x(), p.y(), buttonsOf(event->buttons()),
                             shiftOf(event->modifiers()));
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // Only the runtime closes a window; a close from the system asks it.
    event->ignore();
    if (form_ != nullptr) backend_.app().closeRequested(*form_);
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && form_ != nullptr) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::string& tip = form_->toolTipAt(twipsAt(help->pos().x(), help->pos().y()));
        if (tip.empty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
        }
        return true;
    }
    return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (form_ == nullptr) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            // A key the focused widget ignores travels on to the window; the
            // runtime answers it once, where it first arrives.
            QWidget* focus = focusWidget();
            const bool firstStop = watched == focus || (watched == this && focus == nullptr);
            if (firstStop) return handleKey(static_cast<QKeyEvent*>(event));
            break;
        }
        case QEvent::FocusIn:
            if (Control* control = controlOf_.value(watched)) form_->setFocused(control);
            break;
        case QEvent::MouseMove:
            if (Control* control = controlOf_.value(watched)) {
                auto* move = static_cast<QMouseEvent*>(event);
                // The widget's own position is its place in the window.
                const QPointF p = move->position() + static_cast<QWidget*>(watched)->pos();
                backend_.app().widgetMouseMove(*control, p.x(), p.y(), buttonsOf(move->buttons()),
                                               shiftOf(move->modifiers()));
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

bool FormWindow::handleKey(QKeyEvent* event) {
    const QString text = event->text();
    KeyEvent key{keyCodeOf(event->key()),
                 text.isEmpty() ? char32_t{0} : static_cast<char32_t>(text.at(0).unicode()),
                 shiftOf(event->modifiers())};
    return backend_.app().keyPress(*form_, key);
}

namespace {

// The window a side window belongs to: the one it was opened from.
QWindow* openedFrom() {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active->windowHandle() : nullptr;
}

}  // namespace

FormWindow* windowOf(const Form& form) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        // Under a drawn title bar, the form's window is the client area.
        auto* window = qobject_cast<FormWindow*>(top);
        if (window == nullptr) window = top->findChild<FormWindow*>();
        if (window != nullptr && window->form() == &form) return window;
    }
    return nullptr;
}

std::unique_ptr<FormView> makeFormView(QtBackend& backend, Form& form) {
    auto* window = new FormWindow(backend, form);
    QWidget* topLevel = window;
    if (titleBarsDrawnByTheProgram()) {
        const WindowFrame frame = frameOf(form.design());
        if (frame.titleBar != TitleBar::None) topLevel = underDrawnTitleBar(*window, frame);
        // A side window belongs to the window it was opened from: the
        // compositor, which does not let a program place its windows,
        // places it by that one.
        if (!frame.inTaskbar) {
            topLevel->winId();
            topLevel->windowHandle()->setTransientParent(openedFrom());
        }
    }
    topLevel->show();
    keepNormalState(*topLevel);
    return std::make_unique<QtFormView>(window);
}

}  // namespace forms::qt
