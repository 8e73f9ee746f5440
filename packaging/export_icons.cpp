// Writes the program's icon into a hicolor icon theme tree: the window
// icon's own 16 and 32 pixel images, 48 as the 32 image on a transparent
// border (scaling by 1.5 would blur or distort it), and 64, 128 and 256 as
// whole-number enlargements, pixel for pixel.
// Usage: export_icons <output folder> <icon name>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

#include "art/catalogue.h"
#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"

namespace {

QImage pictureOf(const forms::PictureSource& source) {
    return forms::qt::imageOf(forms::pixelsOf(source)).convertToFormat(QImage::Format_ARGB32);
}

QImage padded(const QImage& image, int size) {
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.drawImage((size - image.width()) / 2, (size - image.height()) / 2, image);
    return out;
}

bool write(const QImage& image, const QString& folder, const QString& name) {
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(image.width());
    return QDir().mkpath(dir) && image.save(dir + QLatin1Char('/') + name + ".png", "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_icons <output folder> <icon name>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage small = pictureOf(klonkatron::art::form1SmallIcon);
    const QImage icon = pictureOf(klonkatron::art::form1Icon);
    if (small.isNull() || icon.isNull()) {
        std::fprintf(stderr,
                     "export_icons: the window icon is missing from the program's images\n");
        return 1;
    }
    bool ok = write(small, folder, name) && write(icon, folder, name) &&
              write(padded(icon, 48), folder, name);
    for (const int factor : {2, 4, 8}) {
        ok = ok &&
             write(icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                   folder, name);
    }
    return ok ? 0 : 1;
}
