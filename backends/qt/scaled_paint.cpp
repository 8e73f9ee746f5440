#include "backends/qt/scaled_paint.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

#include "backends/qt/painter.h"

namespace forms::qt {

bool isWholeRatio(qreal ratio) { return std::abs(ratio - std::round(ratio)) < 1e-6; }

void paintFormForDevice(QPainter& painter, const Form& form, const QRect& dirty) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (isWholeRatio(ratio)) {
        paintForm(painter, form, dirty);
        return;
    }
    const QSize logical(pixelsFromTwips(form.design().clientWidth),
                        pixelsFromTwips(form.design().clientHeight));
    const int whole = static_cast<int>(std::ceil(ratio));
    QImage frame(logical * whole, QImage::Format_RGB32);
    frame.setDevicePixelRatio(whole);
    {
        QPainter framePainter(&frame);
        paintForm(framePainter, form, QRect(QPoint(0, 0), logical));
    }
    const QSize device(static_cast<int>(std::lround(logical.width() * ratio)),
                       static_cast<int>(std::lround(logical.height() * ratio)));
    QImage scaled = frame.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter.save();
    painter.setClipRect(dirty);
    painter.drawImage(QPointF(0, 0), scaled);
    painter.restore();
}

QImage pictureForDevice(const QPixmap& picture, const QSize& logical, qreal ratio) {
    const QImage source = picture.toImage();
    const QSize device(static_cast<int>(std::lround(logical.width() * ratio)),
                       static_cast<int>(std::lround(logical.height() * ratio)));
    QImage image;
    if (isWholeRatio(ratio)) {
        image = source.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        const int whole = static_cast<int>(std::ceil(ratio));
        image = source.scaled(logical * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace forms::qt
