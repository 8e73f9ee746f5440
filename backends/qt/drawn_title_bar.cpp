#include "backends/qt/drawn_title_bar.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace forms::qt {
namespace {

class TitleBarWidget : public QWidget {
public:
    TitleBarWidget(QWidget& topLevel, bool closeBox) : QWidget(&topLevel), closeBox_(closeBox) {
        setCursor(Qt::ArrowCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPalette& colours = palette();
        const bool active = window()->isActiveWindow();
        painter.fillRect(rect(), colours.color(active ? QPalette::Highlight : QPalette::Mid));
        painter.setPen(colours.color(QPalette::Shadow));
        painter.drawLine(0, height() - 1, width(), height() - 1);
        int left = 3;
        const int iconSide = height() - 4;
        const QIcon icon = window()->windowIcon();
        if (!icon.isNull()) {
            icon.paint(&painter, QRect(left, 2, iconSide, iconSide));
            left += iconSide + 4;
        }
        const QRect text(left, 0, closeBoxRect().left() - left, height() - 1);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(height() * 3 / 5);
        painter.setFont(font);
        painter.setPen(colours.color(active ? QPalette::HighlightedText : QPalette::Light));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, window()->windowTitle());
        if (closeBox_) {
            const QRect box = closeBoxRect();
            painter.fillRect(box, colours.color(QPalette::Button));
            painter.setPen(colours.color(QPalette::ButtonText));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            const QRect cross = box.adjusted(4, 4, -5, -5);
            painter.setPen(QPen(colours.color(QPalette::ButtonText), 1.5));
            painter.drawLine(cross.topLeft(), cross.bottomRight());
            painter.drawLine(cross.topRight(), cross.bottomLeft());
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        pressedOnClose_ = closeBox_ && closeBoxRect().contains(event->position().toPoint());
        if (!pressedOnClose_) window()->windowHandle()->startSystemMove();
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool onClose = closeBoxRect().contains(event->position().toPoint());
        if (std::exchange(pressedOnClose_, false) && onClose) window()->close();
    }

private:
    [[nodiscard]] QRect closeBoxRect() const {
        if (!closeBox_) return {width(), 0, 0, height()};
        const int side = height() - 4;
        return {width() - side - 2, 2, side, side};
    }

    bool closeBox_;
    bool pressedOnClose_ = false;
};

class DecoratedWindow : public QWidget {
public:
    explicit DecoratedWindow(QWidget& client) : client_(&client) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        // The client decides, as it would for its own frame.
        event->ignore();
        client_->close();
    }

private:
    QWidget* client_;
};

}  // namespace

bool titleBarsDrawnByTheProgram() {
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

QWidget* underDrawnTitleBar(QWidget& window, const WindowFrame& frame) {
    const int titleHeight = drawnTitleBarHeight(frame.titleBar);
    auto* topLevel = new DecoratedWindow(window);
    topLevel->setWindowFlags((frame.inTaskbar ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint);
    topLevel->setWindowTitle(window.windowTitle());
    topLevel->setWindowIcon(window.windowIcon());
    const QRect client = window.geometry();
    topLevel->setFixedSize(client.width(), client.height() + titleHeight);
    topLevel->move(client.topLeft() - QPoint(0, titleHeight));
    auto* titleBar = new TitleBarWidget(*topLevel, frame.closeBox);
    titleBar->setGeometry(0, 0, client.width(), titleHeight);
    window.setParent(topLevel, Qt::Widget);
    window.move(0, titleHeight);
    return topLevel;
}

}  // namespace forms::qt
