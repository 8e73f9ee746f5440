#include "backends/qt/conversions.h"

#include <QHash>

#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"

namespace forms::qt {

QColor qcolorOf(Color c) { return QColor(c.red(), c.green(), c.blue()); }

QRect qrectOf(const PixelRect& p) { return {p.left, p.top, p.width, p.height}; }

QRect qrectOf(const Rect& twips) { return qrectOf(pixelRect(twips)); }

PixelRect pixelRectOf(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

const QPixmap& pixmapOf(const PixelImage& pixels) {
    // Keyed by the pixels, which live as long as the program: one pixmap per image.
    static QHash<const PixelImage*, QPixmap> converted;
    auto it = converted.find(&pixels);
    if (it == converted.end()) it = converted.insert(&pixels, QPixmap::fromImage(imageOf(pixels)));
    return *it;
}

const QPixmap& pixmapOf(const Picture& picture) { return pixmapOf(pixelsOf(picture)); }

QFont qfontOf(const Font& font) {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPixelSize(fontPixelSize(font));
    qfont.setBold(font.bold);
    return qfont;
}

}  // namespace forms::qt
