#include "art/draw/picture_check.h"

#include <algorithm>
#include <cstdlib>

namespace klonkatron::art::draw {
namespace {

int channelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

QString sizeOf(const QImage& image) {
    return QStringLiteral("%1x%2").arg(image.width()).arg(image.height());
}

// Empty when the committed picture passes for the drawn one; otherwise why not.
QString mismatch(const Exported& drawn, const QImage& committed) {
    if (committed.isNull()) return QStringLiteral("is missing or unreadable");
    if (committed.size() != drawn.image.size())
        return QStringLiteral("is %1; its source draws %2")
            .arg(sizeOf(committed), sizeOf(drawn.image));
    if (committed.hasAlphaChannel() != drawn.image.hasAlphaChannel())
        return drawn.image.hasAlphaChannel() ? QStringLiteral("has no mask; its source draws one")
                                             : QStringLiteral("has a mask; its source draws none");
    const int tolerance = drawn.antiAliased ? kAntiAliasingTolerance : 0;
    const PixelDifference difference = largestDifference(drawn.image, committed);
    if (difference.levels <= tolerance) return {};
    return QStringLiteral("differs from what its source draws by %1 level%2 at (%3, %4); %5")
        .arg(difference.levels)
        .arg(difference.levels == 1 ? "" : "s")
        .arg(difference.where.x())
        .arg(difference.where.y())
        .arg(drawn.antiAliased ? QStringLiteral("anti-aliasing explains at most %1").arg(tolerance)
                               : QStringLiteral("a picture from a pixel map must match exactly"));
}

}  // namespace

PixelDifference largestDifference(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_ARGB32);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    PixelDifference largest;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const int levels = channelDifference(first.pixel(x, y), second.pixel(x, y));
            if (levels > largest.levels) largest = {levels, QPoint(x, y)};
        }
    }
    return largest;
}

bool savePicture(const QImage& image, const QString& path) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB888;
    return image.convertToFormat(format).save(path, "PNG");
}

bool checkPictures(const std::vector<Exported>& pictures, const QDir& images, QTextStream& report) {
    bool passes = true;
    for (const Exported& picture : pictures) {
        const QString file = picture.name + ".png";
        const QString why = mismatch(picture, QImage(images.filePath(file)));
        if (why.isEmpty()) continue;
        report << file << " " << why << "\n";
        passes = false;
    }
    const QStringList files = images.entryList({"*.png"}, QDir::Files);
    if (files.size() != static_cast<qsizetype>(pictures.size())) {
        report << "the images hold " << files.size() << " pictures; the sources draw "
               << pictures.size() << "\n";
        passes = false;
    }
    return passes;
}

}  // namespace klonkatron::art::draw
