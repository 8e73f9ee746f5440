// The art check lets the committed pictures lie as far from their drawings
// as anti-aliasing on another processor may, and no further: one pixel
// changed beyond that, a recoloured lamp or an icon off by one level fails.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "art/draw/picture_check.h"

namespace {

using namespace klonkatron::art::draw;

class PictureCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const Exported& picture : pictures())
            ASSERT_TRUE(savePicture(picture.image, folder.filePath(picture.name + ".png")));
    }

    static const std::vector<Exported>& pictures() {
        static const std::vector<Exported> drawn = allPictures(KLONKATRON_ART_ICONS);
        return drawn;
    }

    // Moves one channel of one pixel of a committed picture by `levels`,
    // towards the middle of its range so that it never clips.
    void shiftPixel(const QString& name, QPoint where, int levels) {
        const QString path = folder.filePath(name + ".png");
        QImage image(path);
        const QColor colour = image.pixelColor(where);
        const int green = colour.green() < 128 ? colour.green() + levels : colour.green() - levels;
        image.setPixelColor(where, QColor(colour.red(), green, colour.blue(), colour.alpha()));
        ASSERT_TRUE(savePicture(image, path));
    }

    // The check's verdict, and its report in `report`.
    bool check() {
        report.clear();
        QTextStream stream(&report);
        return checkPictures(pictures(), QDir(folder.path()), stream);
    }

    QTemporaryDir folder;
    QString report;
};

TEST_F(PictureCheck, PassesAPaintedPictureWithinTheToleranceAndNoMore) {
    EXPECT_TRUE(check()) << report.toStdString();

    shiftPixel("banner", {136, 35}, kAntiAliasingTolerance);
    EXPECT_TRUE(check()) << report.toStdString();

    shiftPixel("banner", {136, 35}, 1);
    EXPECT_FALSE(check());
    EXPECT_EQ(report.toStdString(),
              "banner.png differs from what its source draws by 3 levels at (136, 35); "
              "anti-aliasing explains at most 2\n");
}

TEST_F(PictureCheck, FailsARecolouredLamp) {
    ASSERT_TRUE(savePicture(lampBarPicture(4), folder.filePath("bar3.png")));
    EXPECT_FALSE(check());
    EXPECT_TRUE(report.startsWith("bar3.png differs from what its source draws by 128 levels"))
        << report.toStdString();
}

TEST_F(PictureCheck, HoldsPicturesFromPixelMapsExact) {
    shiftPixel("hole", {16, 17}, 1);
    EXPECT_FALSE(check());
    EXPECT_EQ(report.toStdString(),
              "hole.png differs from what its source draws by 1 level at (16, 17); "
              "a picture from a pixel map must match exactly\n");
}

TEST_F(PictureCheck, FailsAMissingPictureOrAnotherSize) {
    ASSERT_TRUE(QFile::remove(folder.filePath("exit.png")));
    ASSERT_TRUE(savePicture(QImage(10, 10, QImage::Format_RGB32), folder.filePath("table.png")));
    EXPECT_FALSE(check());
    EXPECT_TRUE(report.contains("table.png is 10x10; its source draws 215x152\n"));
    EXPECT_TRUE(report.contains("exit.png is missing or unreadable\n"));
    EXPECT_TRUE(report.contains("the images hold 36 pictures; the sources draw 37\n"));
}

}  // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
