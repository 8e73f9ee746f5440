// The pictures as the program carries them: as Qt reads their files, the
// icons' one-bit masks, the lamp bars lamp by lamp, the faces as one series
// and the backdrop greens that merge into the windows.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "art/catalogue.h"
#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"
#include "program/qt_program_icon.h"
#include "tests/art/pixel_digests.h"

namespace {

using klonkatron::art::Kind;

QImage picture(const forms::PictureSource& source) {
    return forms::qt::imageOf(forms::pixelsOf(source)).convertToFormat(QImage::Format_ARGB32);
}

// The program's decoder against Qt's, file by file: the same pixels (clear
// ones as 0, as premultiplied alpha has them) and the digest the platforms
// without Qt check.
TEST(Pictures, DecodeAsQtReadsTheirFiles) {
    const QDir folder(QStringLiteral(KLONKATRON_ART_IMAGES));
    for (const auto& listed : klonkatron::art_test::kImageDigests) {
        const QString name = QString::fromUtf8(listed.name.data(), listed.name.size());
        const QImage qt = QImage(folder.filePath(name + ".png"))
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(qt.isNull()) << listed.name;
        const QImage ours = forms::qt::imageOf(forms::pixelsOf(forms::PictureSource{listed.name}))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(ours, qt) << listed.name;
        const auto words = reinterpret_cast<const std::uint32_t*>(qt.constBits());
        EXPECT_EQ(klonkatron::art_test::digestOf({words, std::size_t(qt.sizeInBytes()) / 4}),
                  listed.digest)
            << std::hex << listed.name << " now has the digest 0x"
            << klonkatron::art_test::digestOf({words, std::size_t(qt.sizeInBytes()) / 4});
    }
    // Every committed image is listed, and so compiled in and checked.
    EXPECT_EQ(folder.entryList({"*.png"}, QDir::Files).size(),
              qsizetype(std::size(klonkatron::art_test::kImageDigests)));
}

// Where on each icon its subject certainly is.
struct Subject {
    const char* name;
    QPoint point;
};

TEST(Pictures, IconsAreClearAroundTheirSubjectWithAOneBitMask) {
    const Subject subjects[] = {
        {"hole", {16, 17}},    {"ibm", {16, 10}}, {"ibm2", {16, 10}},   {"bang", {16, 10}},
        {"bang2", {16, 10}},   {"upp", {15, 15}}, {"ner", {20, 18}},    {"emblem", {12, 20}},
        {"question", {12, 8}}, {"mee", {4, 12}},  {"hammer16", {8, 8}}, {"tio", {16, 16}},
        {"hundra", {16, 16}},
    };
    for (const auto& entry : klonkatron::art::kCatalogue) {
        if (entry.kind == Kind::Bitmap) continue;
        const std::string name(entry.picture.resource);
        const QImage icon = picture(entry.picture);
        const int w = icon.width() - 1;
        const int h = icon.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0)
                << name << " corner " << corner.x() << "," << corner.y();
        for (int y = 0; y <= h; ++y)
            for (int x = 0; x <= w; ++x) {
                const int alpha = qAlpha(icon.pixel(x, y));
                ASSERT_TRUE(alpha == 0 || alpha == 255) << name << " " << x << "," << y;
            }
    }
    for (const Subject& subject : subjects)
        EXPECT_EQ(qAlpha(picture(forms::PictureSource{subject.name}).pixel(subject.point)), 255)
            << subject.name;
}

TEST(Pictures, ThePointersPointWithTheStrikingFaceOfTheHead) {
    for (const forms::PictureSource& pointer : {klonkatron::art::upp, klonkatron::art::ner}) {
        const QImage icon = picture(pointer);
        // The face is the head's polished end: the lightest steel of the icon.
        EXPECT_EQ(icon.pixel(pointer.hotSpotX, pointer.hotSpotY), qRgb(0xF4, 0xF4, 0xFC))
            << pointer.resource;
    }
}

// The lamps counted from the bottom: two rows each, one row of the
// frame's grey between two of them.
TEST(LampBars, LightTheirLampsFromTheBottom) {
    const forms::PictureSource bars[] = {
        klonkatron::art::bar1, klonkatron::art::bar2,  klonkatron::art::bar3, klonkatron::art::bar4,
        klonkatron::art::bar5, klonkatron::art::bar6,  klonkatron::art::bar7, klonkatron::art::bar8,
        klonkatron::art::bar9, klonkatron::art::bar10,
    };
    const auto colourOf = [](int lamp, bool lit) {
        if (lamp <= 3) return lit ? qRgb(0x00, 0xFF, 0x00) : qRgb(0x00, 0x7F, 0x00);
        if (lamp <= 7) return lit ? qRgb(0xFF, 0xFF, 0x00) : qRgb(0x7F, 0x7F, 0x00);
        return lit ? qRgb(0xFF, 0x00, 0x00) : qRgb(0x7F, 0x00, 0x00);
    };
    for (int lit = 1; lit <= 10; ++lit) {
        const QImage bar = picture(bars[lit - 1]);
        const QRgb frame = bar.pixel(5, 1);
        for (int lamp = 1; lamp <= 10; ++lamp) {
            const int top = 30 - 3 * (lamp - 1);
            for (int x = 2; x <= 8; ++x) {
                for (const int y : {top, top + 1})
                    ASSERT_EQ(bar.pixel(x, y), colourOf(lamp, lamp <= lit))
                        << "bar" << lit << " lamp " << lamp << " at " << x << "," << y;
                if (lamp < 10) {
                    ASSERT_EQ(bar.pixel(x, top - 1), frame)
                        << "bar" << lit << " above lamp " << lamp;
                }
            }
            // The lamp is exactly seven pixels wide: the frame holds it.
            EXPECT_NE(bar.pixel(1, top), colourOf(lamp, lamp <= lit));
            EXPECT_NE(bar.pixel(9, top), colourOf(lamp, lamp <= lit));
        }
    }
}

// One head, varied only in its mouth, eyes and cheeks, happier at each level.
TEST(Faces, AreOneHeadGrowingHappier) {
    const forms::PictureSource faces[] = {
        klonkatron::art::tio,     klonkatron::art::tjugo,  klonkatron::art::trettio,
        klonkatron::art::fortio,  klonkatron::art::femtio, klonkatron::art::sextio,
        klonkatron::art::sjuttio, klonkatron::art::attio,  klonkatron::art::nittio,
        klonkatron::art::hundra,
    };
    const QRect expression(5, 11, 22, 17);
    const QImage first = picture(faces[0]);
    for (int level = 2; level <= 10; ++level) {
        const QImage face = picture(faces[level - 1]);
        const QImage before = picture(faces[level - 2]);
        int changed = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (!expression.contains(x, y)) {
                    ASSERT_EQ(face.pixel(x, y), first.pixel(x, y))
                        << level << ": " << x << "," << y;
                }
                changed += face.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
            }
        EXPECT_GT(changed, 0) << "level " << level << " looks like level " << level - 1;
    }
    // The widest grin shows the most teeth.
    const auto white = [](const QImage& face) {
        int n = 0;
        for (int y = 20; y < 28; ++y)
            for (int x = 5; x < 27; ++x) n += face.pixel(x, y) == qRgb(0xFF, 0xFF, 0xFF) ? 1 : 0;
        return n;
    };
    EXPECT_EQ(white(first), 0);
    EXPECT_GT(white(picture(faces[9])), white(picture(faces[5])));
}

bool allOf(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour) return false;
    return true;
}

TEST(Backdrops, MergeIntoTheirWindowsGreen) {
    const QRgb windowGreen = qRgb(0x00, 0x78, 0x00);
    const QRgb tableGreen = qRgb(0x00, 0x7F, 0x00);
    const QImage background = picture(klonkatron::art::form1Background);
    EXPECT_TRUE(allOf(background, background.rect(), windowGreen));

    // The backdrop shows along every edge of these pictures.
    const QImage splash = picture(klonkatron::art::splashScene);
    EXPECT_TRUE(allOf(splash, QRect(0, 0, 175, 10), windowGreen));
    EXPECT_TRUE(allOf(splash, QRect(0, 0, 8, 263), windowGreen));
    const QImage table = picture(klonkatron::art::table);
    EXPECT_TRUE(allOf(table, QRect(0, 0, 215, 2), tableGreen));
    EXPECT_TRUE(allOf(table, QRect(0, 0, 2, 110), tableGreen));
    EXPECT_TRUE(allOf(table, QRect(213, 0, 2, 110), tableGreen));
    const QImage banner = picture(klonkatron::art::banner);
    EXPECT_TRUE(allOf(banner, QRect(0, 0, 273, 3), tableGreen));
    EXPECT_TRUE(allOf(banner, QRect(0, 0, 3, 70), tableGreen));
    EXPECT_TRUE(allOf(banner, QRect(0, 64, 273, 6), tableGreen));
}

// The picture window cuts the photograph by 8 pixels on the left, top and
// bottom and 3 on the right: there it is plain white, merging with the
// window's white, and nothing of the dog is lost. The dog fills the rest.
TEST(Photograph, KeepsTheDogInsideWhatThePictureWindowShows) {
    const QImage dog = picture(klonkatron::art::dachshund);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    for (const QRect& cut :
         {QRect(0, 0, 238, 8), QRect(0, 0, 8, 264), QRect(0, 256, 238, 8), QRect(235, 0, 3, 264)})
        EXPECT_TRUE(allOf(dog, cut, white)) << cut.x() << "," << cut.y();

    QRect coat;  // darker than the soft shadow on the floor
    for (int y = 0; y < dog.height(); ++y)
        for (int x = 0; x < dog.width(); ++x)
            if (qGray(dog.pixel(x, y)) < 160) coat |= QRect(x, y, 1, 1);
    const QRect shown(8, 8, 227, 248);
    EXPECT_GT(coat.width(), shown.width() * 9 / 10);
    EXPECT_GT(coat.height(), shown.height() * 8 / 10);
}

// The program's icon is the board's window icon, pixel for pixel, at both
// of its sizes (asked for at one pixel a point, whatever the screen's scale).
TEST(ProgramIcon, IsTheBoardsWindowIcon) {
    const QIcon icon = klonkatron::programIcon();
    ASSERT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    const auto image = [&icon](int size) {
        return icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    EXPECT_EQ(image(16), picture(klonkatron::art::form1SmallIcon));
    EXPECT_EQ(image(32), picture(klonkatron::art::form1Icon));
}

}  // namespace
