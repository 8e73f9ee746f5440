// The side windows as real Qt windows: their client sizes, frames, places on
// the screen, and the splash as drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>

#include "backends/qt/form_window.h"
#include "backends/qt/picture_image.h"
#include "designs/window_names.h"
#include "forms/picture_pixels.h"
#include "program/qt_program.h"

namespace {

namespace window = klonkatron::window;

using forms::qt::FormWindow;

class SideWindows : public ::testing::Test {
public:
    SideWindows() = default;
    ~SideWindows() override {
        if (!app.ended()) app.end();
        QApplication::processEvents();
    }
    SideWindows(const SideWindows&) = delete;
    SideWindows& operator=(const SideWindows&) = delete;

protected:
    FormWindow* show(const char* name) { return forms::qt::windowOf(app.show(name)); }
    static QImage rendered(FormWindow* window) {
        return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage art(const char* name) {
        return forms::qt::imageOf(forms::pixelsOf(forms::PictureSource{name}))
            .convertToFormat(QImage::Format_RGB32);
    }
    // Pixels of one colour in a rectangle of an image.
    static int count(const QImage& image, const QRect& area, QRgb colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
        return n;
    }

    klonkatron::QtProgram program{klonkatron::SystemChoice::Unavailable};
    forms::Application& app = program.app();
};

TEST_F(SideWindows, HaveTheirClientSizesAndFrames) {
    struct Expected {
        const char* name;
        QSize size;
        bool titleBar;
        bool inTaskbar;
    };
    for (const Expected& e : {Expected{window::kSplash, {492, 279}, false, false},
                              Expected{window::kText, {359, 217}, false, false},
                              Expected{window::kPicture, {227, 248}, false, true},
                              Expected{window::kAbout, {346, 218}, true, false}}) {
        FormWindow* window = show(e.name);
        ASSERT_NE(window, nullptr) << e.name;
        EXPECT_TRUE(window->isVisible()) << e.name;
        EXPECT_EQ(window->size(), e.size) << e.name;
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), !e.titleBar) << e.name;
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), e.titleBar) << e.name;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint)) << e.name;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << e.name;
        // Tool windows stay out of the taskbar.
        EXPECT_EQ((flags & Qt::WindowType_Mask) == Qt::Tool, !e.inTaskbar) << e.name;
    }
}

TEST_F(SideWindows, TheAboutWindowHasItsFixedPlaceAndTheOthersAreCentred) {
    FormWindow* about = show(window::kAbout);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->geometry().topLeft(), QPoint(156, 126));
    EXPECT_EQ(about->windowTitle(), "About Klonkatron");

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* name : {window::kSplash, window::kText, window::kPicture}) {
        FormWindow* window = show(name);
        ASSERT_NE(window, nullptr);
        EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2) << name;
    }
}

TEST_F(SideWindows, TheTextBoxesAreEditableOrReadOnlyAsDesigned) {
    FormWindow* text = show(window::kText);
    auto* scripture = qobject_cast<QPlainTextEdit*>(text->widgetOf(text->form()->control("Text1")));
    ASSERT_NE(scripture, nullptr);
    EXPECT_FALSE(scripture->isReadOnly());
    EXPECT_EQ(scripture->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(scripture->toPlainText().startsWith("\"So i looked and behold,\n"));

    FormWindow* about = show(window::kAbout);
    auto* credits = qobject_cast<QPlainTextEdit*>(about->widgetOf(about->form()->control("Text1")));
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->isReadOnly());
    EXPECT_EQ(credits->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(credits->toPlainText().startsWith("Credits:\nProgramming, graphics and such:  "));
}

TEST_F(SideWindows, TabLeavesAMultiLineTextBoxForTheNextControl) {
    FormWindow* text = show(window::kText);
    auto* scripture = qobject_cast<QPlainTextEdit*>(text->widgetOf(text->form()->control("Text1")));
    ASSERT_NE(scripture, nullptr);
    const QString before = scripture->toPlainText();
    scripture->setFocus();
    QTest::keyClick(scripture, Qt::Key_Tab);
    EXPECT_EQ(scripture->toPlainText(), before);
    EXPECT_EQ(text->focusWidget(), text->widgetOf(text->form()->control("Command1")));
}

TEST_F(SideWindows, TheSplashDrawsItsTitleOverThePictureAndTheMarqueeBehindIt) {
    FormWindow* splash = show(window::kSplash);
    ASSERT_NE(splash, nullptr);
    if (splash->devicePixelRatioF() != 1.0) GTEST_SKIP() << "compares pixels at 1x";
    const QImage image = rendered(splash);
    const QImage picture = art("splash");
    const QPoint pictureAt(8, 16);
    constexpr QRgb kOlive = 0xFFC0C000;

    // Uncovered, the picture shows as it is.
    EXPECT_EQ(image.pixel(pictureAt + QPoint(80, 200)), picture.pixel(80, 200));
    // The title's letters lie over the top of the picture, from x 32 on.
    const QRect titleOverPicture(32, 16, 183 - 32, 60 - 16);
    const int inPicture = count(picture, titleOverPicture.translated(-pictureAt), kOlive);
    EXPECT_GT(count(image, titleOverPicture, kOlive), inPicture + 200);
    // The rule under the title runs over the picture too.
    EXPECT_EQ(image.pixel(100, 56), kOlive);

    // The marquee started again at 855 is hidden where the picture lies.
    auto& visit = splash->form()->get<forms::Label>("visit");
    visit.setLeft(855);
    QApplication::processEvents();
    const QImage moved = rendered(splash);
    const QRect hidden(57, 256, 183 - 57, 16);
    EXPECT_EQ(count(moved, hidden, kOlive), count(picture, hidden.translated(-pictureAt), kOlive));
    EXPECT_GT(count(moved, QRect(184, 256, 60, 16), kOlive), 5);
}

TEST_F(SideWindows, ThePhotographCoversThePictureWindowFromMinusEightPixels) {
    FormWindow* window = show(window::kPicture);
    ASSERT_NE(window, nullptr);
    if (window->devicePixelRatioF() != 1.0) GTEST_SKIP() << "compares pixels at 1x";
    const QImage image = rendered(window);
    const QImage photo = art("dachshund");
    for (const QPoint p : {QPoint(0, 0), QPoint(113, 124), QPoint(226, 247), QPoint(0, 247)})
        EXPECT_EQ(image.pixel(p), photo.pixel(p + QPoint(8, 8))) << p.x() << "," << p.y();

    // A real click at its very corner closes it.
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(226, 247));
    EXPECT_FALSE(app.isLoaded(window::kPicture));
}

TEST_F(SideWindows, ABoardClosedByTheSystemTakesTheSideWindowsWithIt) {
    FormWindow* board = show(window::kBoard);
    FormWindow* about = show(window::kAbout);
    ASSERT_NE(board, nullptr);
    ASSERT_NE(about, nullptr);
    board->close();  // as the window manager closes it
    QApplication::processEvents();
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(app.isLoaded(window::kAbout));
}

}  // namespace
