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

#include "backends/qt/drawn_title_bar.h"
#include "backends/qt/normal_state_keeper.h"
#include "backends/qt/painter.h"
#include "backends/qt/pointer.h"
#include "backends/qt/qt_backend.h"
#include "backends/qt/scaled_paint.h"
#include "backends/qt/window_frame_hints.h"
#include "forms/application.h"
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

int keyCodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Escape:
            return kKeyEscape;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Space:
            return ' ';
        default:
            break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey;  // the same codes
    }
    return 0;
}

// Newlines of the text boxes are CR LF; the Qt widget keeps LF.
QString widgetText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string controlText(const QString& text) {
    QString crlf = text;
    return crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

// A button whose face is a picture filling it exactly.
class PictureButton : public QPushButton {
public:
    PictureButton(const Picture& picture, QWidget* parent)
        : QPushButton(parent), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPoint offset = isDown() ? QPoint(1, 1) : QPoint(0, 0);
        painter.drawImage(offset, pictureForDevice(pixmapOf(picture_), size(),
                                                   painter.device()->devicePixelRatioF()));
    }

private:
    Picture picture_;
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
            QPushButton* push = button->picture().isEmpty()
                                    ? new QPushButton(this)
                                    : new PictureButton(button->picture(), this);
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
            // Tab goes on to the next control, as in every text box of the
            // windows; a multi-line box does not take it as a character.
            edit->setTabChangesFocus(true);
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
                if (form_) text->userEdited(controlText(edit->toPlainText()));
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
    QWidget* previous = nullptr;
    for (const Control* control : form_->tabOrder()) {
        QWidget* widget = widgets_.value(control);
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
    // The keys reach the runtime first, whichever widget has the focus.
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
    } else if (auto* text = dynamic_cast<TextBox*>(&control)) {
        auto* edit = static_cast<QPlainTextEdit*>(widget);
        edit->setFont(qfontOf(text->font()));
        if (controlText(edit->toPlainText()) != text->text())
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
    if (Control* focus = form.focused()) {
        if (QWidget* widget = window->widgetOf(*focus)) widget->setFocus();
    }
    return std::make_unique<QtFormView>(window);
}

}  // namespace forms::qt
