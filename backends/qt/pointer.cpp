#include "backends/qt/pointer.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cmath>

#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"

namespace forms::qt {

QCursor pointerOf(const Picture& picture, qreal devicePixelRatio, const QString& platform) {
    const int scale = std::max(1, static_cast<int>(std::lround(devicePixelRatio)));
    const QImage image = imageOf(pixelsOf(picture)).convertToFormat(QImage::Format_ARGB32);
    QPixmap pixmap = QPixmap::fromImage(
        image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(scale);
    const int hotScale = platform == QLatin1String("xcb") ? scale : 1;
    return QCursor(pixmap, picture.source().hotSpotX * hotScale,
                   picture.source().hotSpotY * hotScale);
}

}  // namespace forms::qt
