// The board's window frame, icon, fonts and pointer as Qt shows them.
#include <QCursor>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <cmath>

#include "backends/qt/conversions.h"
#include "backends/qt/pointer.h"
#include "tests/qt/board_window.h"

namespace {

TEST_F(BoardWindow, IsAFixedExactlyCentredMainWindowWithoutButtonsInItsTitleBar) {
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);  // in the taskbar
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_EQ(window->minimumSize(), QSize(328, 280));
    EXPECT_EQ(window->maximumSize(), QSize(328, 280));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize margin = (screen.size() - QSize(328, 280)) / 2;
    const QPoint offCentre =
        window->geometry().topLeft() - screen.topLeft() - QPoint(margin.width(), margin.height());
    // At a fractional scale the place goes through whole device pixels.
    const qreal ratio = window->devicePixelRatioF();
    EXPECT_LE(offCentre.manhattanLength(), ratio == std::floor(ratio) ? 0 : 2);
}

TEST_F(BoardWindow, CarriesTheHammerAndTheEmblemAsItsIcon) {
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

TEST_F(BoardWindow, NamesArialAndTheDefaultFontAndGetsLiberationSans) {
    for (const char* family : {"Arial", "MS Sans Serif"}) {
        const QFont font = forms::qt::qfontOf(forms::Font{family, 8.25, false});
        EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans") << family;
        EXPECT_EQ(QFontInfo(font).pixelSize(), 11) << family;
    }
    // Points at 96 dots per inch: 20.25 pt is 27 pixels, 6.75 pt is 9.
    EXPECT_EQ(forms::qt::qfontOf(forms::Font{"Arial", 20.25, true}).pixelSize(), 27);
    EXPECT_EQ(forms::qt::qfontOf(forms::Font{"Arial", 6.75, false}).pixelSize(), 9);
    auto* start = qobject_cast<QPushButton*>(window->widgetOf(control("Command3")));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(QFontInfo(start->font()).family(), "Liberation Sans");
    EXPECT_FALSE(start->font().bold());
}

TEST_F(BoardWindow, PointsWithTheRaisedHammerAndTheButtonsKeepTheArrow) {
    const QCursor cursor = window->cursor();
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    const QPixmap pixmap = cursor.pixmap();
    ASSERT_FALSE(pixmap.isNull()) << "an ARGB pixmap, not a bitmap and a mask";
    EXPECT_TRUE(pixmap.hasAlphaChannel());
    const int scale = std::max(1, qRound(ratio()));
    EXPECT_EQ(pixmap.size(), QSize(32, 32) * scale);
    // Off X11 the hot spot is logical: on the striking face of the head.
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint hot = cursor.hotSpot() * scale;
    EXPECT_EQ(image.pixel(hot), qRgb(0xF4, 0xF4, 0xFC));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    for (const char* name : {"Command1", "Command2", "Command3"})
        EXPECT_EQ(window->widgetOf(control(name))->cursor().shape(), Qt::ArrowCursor) << name;
}

// On X11 the hot spot goes in the pixmap's own pixels.
TEST(Pointer, OnX11TakesItsHotSpotInThePixmapsPixels) {
    const forms::Picture upp = forms::Picture::load({"upp", 32, 32, 3, 14});
    for (const qreal ratio : {1.0, 2.0, 3.0}) {
        const QCursor x11 = forms::qt::pointerOf(upp, ratio, "xcb");
        const QCursor other = forms::qt::pointerOf(upp, ratio, "wayland");
        EXPECT_EQ(x11.hotSpot(), QPoint(3, 14) * ratio) << ratio;
        EXPECT_EQ(other.hotSpot(), QPoint(3, 14)) << ratio;
        EXPECT_EQ(x11.pixmap().size(), QSize(32, 32) * ratio) << ratio;
    }
    // A fractional ratio takes the whole number nearest it.
    EXPECT_EQ(forms::qt::pointerOf(upp, 1.25, "xcb").pixmap().size(), QSize(32, 32));
    EXPECT_EQ(forms::qt::pointerOf(upp, 1.5, "xcb").pixmap().size(), QSize(64, 64));
}

}  // namespace
