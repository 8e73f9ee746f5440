// The board as a real Qt window: its size, what it paints where, and real
// mouse input reaching the right control.
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "tests/qt/board_window.h"

namespace {

TEST_F(BoardWindow, HasTheDesignedClientArea) {
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(328, 280));
    EXPECT_EQ(window->windowTitle(), "Klonkatron - By Sven Klonk");
    const QImage image = rendered();
    const qreal ratio = window->devicePixelRatioF();
    EXPECT_EQ(image.size(), QSize(qRound(328 * ratio), qRound(280 * ratio)));
}

// Run by ctest a second time with QT_SCALE_FACTOR=2.
TEST_F(BoardWindow, DoublesItsPixelsAtTwiceTheScale) {
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != "2") GTEST_SKIP() << "runs at scale 2";
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(328, 280));
    const QImage image = rendered();
    EXPECT_EQ(image.size(), QSize(656, 560));

    // Pixel art is scaled nearest-neighbour: each source pixel becomes a
    // two-by-two block of one colour.
    const QImage banner = art("banner");
    const QPoint at = pixelsOf(control("Image11").bounds().topLeft());
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const QRgb want = banner.pixel(x, y);
            ASSERT_EQ(image.pixel(2 * (at.x() + x), 2 * (at.y() + y)), want) << x << "," << y;
            ASSERT_EQ(image.pixel(2 * (at.x() + x) + 1, 2 * (at.y() + y) + 1), want)
                << x << "," << y;
        }
    }
}

TEST_F(BoardWindow, PaintsTheBannerAndTheHolesWhereDesigned) {
    if (window->devicePixelRatioF() != 1.0) GTEST_SKIP() << "compares pixels at 1x";
    const QImage image = rendered();

    const QImage banner = art("banner");
    const QPoint bannerAt = pixelsOf(control("Image11").bounds().topLeft());
    EXPECT_EQ(bannerAt, QPoint(8, 0));
    for (const QPoint p : {QPoint(0, 0), QPoint(100, 20), QPoint(272, 69)})
        EXPECT_EQ(image.pixel(bannerAt + p), banner.pixel(p)) << p.x() << "," << p.y();

    // The top and bottom rows of holes show whole through the transparent
    // banner; "Welcome!" is written across the middle row in yellow.
    const QImage hole = art("hole");
    for (const char* name : {"Image1", "Image2", "Image3", "Image7", "Image8", "Image9"}) {
        const QPoint at = pixelsOf(control(name).bounds().topLeft());
        int opaque = 0;
        for (int y = 0; y < hole.height(); ++y) {
            for (int x = 0; x < hole.width(); ++x) {
                const QRgb want = hole.pixel(x, y);
                if (qAlpha(want) != 255) continue;
                ++opaque;
                ASSERT_EQ(image.pixel(at + QPoint(x, y)), want) << name << " " << x << "," << y;
            }
        }
        EXPECT_GT(opaque, 0) << name;
    }
    const auto yellowIn = [&](const char* name) {
        const forms::Rect r = control(name).bounds();
        const QRect area(pixelsOf(r.topLeft()), QSize(r.width, r.height) / forms::kTwipsPerPixel);
        int yellow = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                yellow += image.pixel(x, y) == qRgb(0xFF, 0xFF, 0x00) ? 1 : 0;
        return yellow;
    };
    for (const char* name : {"Image4", "Image5", "Image6"}) EXPECT_GT(yellowIn(name), 20) << name;
    for (const char* name : {"Image1", "Image2", "Image3", "Image7", "Image8", "Image9"})
        EXPECT_EQ(yellowIn(name), 0) << name;
}

TEST_F(BoardWindow, ARealPressReachesTheFrontMostControl) {
    int emblemClicks = 0;
    int counterClicks = 0;
    control("Image12").onClick = [&] { ++emblemClicks; };
    control("Label5").onClick = [&] { ++counterClicks; };

    // Label5 lies behind the emblem; over their overlap the emblem wins.
    const QPoint overlap = pixelsOf({4400, 500});
    QTest::mouseClick(window, Qt::LeftButton, {}, overlap);
    EXPECT_EQ(emblemClicks, 1);
    EXPECT_EQ(counterClicks, 0);

    // Label5 alone sticks out below the emblem.
    QTest::mouseClick(window, Qt::LeftButton, {}, pixelsOf({4800, 700}));
    EXPECT_EQ(counterClicks, 1);

    // The face counts its clicks into Label5.
    auto& label5 = window->form()->get<forms::Label>("Label5");
    QTest::mouseClick(window, Qt::LeftButton, {}, pixelsOf(control("mug").bounds().centre()));
    EXPECT_EQ(label5.caption(), "1");
}

// pauz (120 to 3135 across, 960 to 3015 down) lies over every hole; the
// table (120 to 3345, 1320 to 3600) shows beyond it on the right and below.
TEST_F(BoardWindow, TheBannerTakesThePressesOverTheHolesAndTheTableOnlyBeyondIt) {
    ASSERT_TRUE(control("pauz").visible());
    const auto hammer = [this] { return window->form()->mouseIcon().handle(); };
    const auto raised = get<forms::Image>("upp").pictureHandle();
    const auto lowered = get<forms::Image>("ner").pictureHandle();
    // A press on a hole or the table lowers the hammer; the banner's leaves it.
    const auto pressLowers = [&](QPoint p) {
        window->form()->setMouseIcon(get<forms::Image>("upp").picture());
        QTest::mousePress(window, Qt::LeftButton, {}, p);
        const bool down = hammer() == lowered;
        QTest::mouseRelease(window, Qt::LeftButton, {}, p);
        return down;
    };
    for (int i = 1; i <= 9; ++i) {
        const std::string hole = "Image" + std::to_string(i);
        EXPECT_FALSE(pressLowers(pixelsOf(control(hole.c_str()).bounds().centre()))) << hole;
    }
    EXPECT_FALSE(pressLowers({208, 150}));
    EXPECT_TRUE(pressLowers({209, 150}));
    EXPECT_FALSE(pressLowers({10, 200}));
    EXPECT_TRUE(pressLowers({10, 201}));
    EXPECT_EQ(hammer(), raised) << "the release on the table raises it";
}

TEST_F(BoardWindow, TheControlInFrontShowsItsTooltip) {
    struct Tip {
        forms::Point at;
        const char* text;
    };
    const Tip tips[] = {
        {control("score").bounds().centre(), "yer' score"},
        {control("mug").bounds().centre(), "Thy Happyface is coming if you bang many computers"},
        {{4000, 2700}, "Thy level yer' in"},  // `level` over the lower part of Label3
        {{4000, 2580}, ""},                   // Label3 alone
        {{200, 3500}, ""},                    // the table
    };
    for (const Tip& tip : tips) {
        const QPoint p = pixelsOf(tip.at);
        QHelpEvent help(QEvent::ToolTip, p, window->mapToGlobal(p));
        QApplication::sendEvent(window, &help);
        const bool shown = *tip.text != '\0';
        EXPECT_EQ(help.isAccepted(), shown) << tip.text;
        EXPECT_EQ(shown ? QToolTip::text() : QString(), tip.text);
    }
}

TEST_F(BoardWindow, StartingByTheButtonPopsUpAComputerInRealTime) {
    auto* start = qobject_cast<QPushButton*>(window->widgetOf(control("Command3")));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->text(), "&Start New Game");
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(start->text(), "&Pause");

    auto* form = window->form();
    const auto anyShown = [form] {
        for (const char* name : {"upleft", "up", "upright", "leftt", "middle", "right", "downleft",
                                 "down", "downright"})
            if (form->control(name).visible()) return true;
        return false;
    };
    // A busy machine must not let the computer vanish between two looks:
    // hold the hiding back until one has shown.
    auto& hide = form->get<forms::Timer>("Timer2");
    hide.setEnabled(false);
    EXPECT_FALSE(anyShown());
    EXPECT_TRUE(QTest::qWaitFor(anyShown, 5'000));
    hide.setInterval(200);
    hide.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !anyShown(); }, 5'000));
}

}  // namespace

TEST_F(BoardWindow, TheExitFaceShowsTheDottedFocusRectangleOnceTabBringsTheFocus) {
    QWidget* exit = window->widgetOf(control("Command1"));
    const auto face = [exit] {
        return exit->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // The device pixel of the rectangle's first dot, 3 pixels in from the
    // corner, and one beside it that no dot covers.
    const auto dot = [this](const QImage& image, int x) {
        return image.pixel(static_cast<int>((x + 0.5) * ratio()), static_cast<int>(3.5 * ratio()));
    };
    const QImage plain = face();
    // Start New Game has the focus; two Tabs bring it to Exit.
    for (int i = 0; i < 2; ++i) QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(window->form()->focused(), &control("Command1"));
    ASSERT_EQ(window->focusWidget(), exit);
    QApplication::processEvents();
    const QImage focused = face();
    const QRgb under = dot(plain, 3);
    EXPECT_EQ(dot(focused, 3), qRgb(255 - qRed(under), 255 - qGreen(under), 255 - qBlue(under)));
    EXPECT_EQ(dot(focused, 4), dot(plain, 4));
}
