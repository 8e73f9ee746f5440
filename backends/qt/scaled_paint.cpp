#include "backends/qt/scaled_paint.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include "backends/qt/conversions.h"
#include "backends/qt/qt_canvas.h"
#include "forms/form_painting.h"
#include "forms/paint_scale.h"

namespace forms::qt {
namespace {

QSize deviceSize(const QSize& logical, qreal ratio) {
    return {devicePixels(logical.width(), ratio), devicePixels(logical.height(), ratio)};
}

}  // namespace

void paintFormForDevice(QPainter& painter, const Form& form, const QRect& dirty) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (isWholeRatio(ratio)) {
        QtCanvas canvas(painter);
        paintForm(canvas, form, pixelRectOf(dirty));
        return;
    }
    const QSize logical(pixelsFromTwips(form.design().clientWidth),
                        pixelsFromTwips(form.design().clientHeight));
    const int whole = paintRatioFor(ratio);
    QImage frame(logical * whole, QImage::Format_RGB32);
    frame.setDevicePixelRatio(whole);
    {
        QPainter framePainter(&frame);
        QtCanvas canvas(framePainter);
        paintForm(canvas, form, {0, 0, logical.width(), logical.height()});
    }
    QImage scaled =
        frame.scaled(deviceSize(logical, ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter.save();
    painter.setClipRect(dirty);
    painter.drawImage(QPointF(0, 0), scaled);
    painter.restore();
}

QImage pictureForDevice(const QPixmap& picture, const QSize& logical, qreal ratio) {
    const QImage source = picture.toImage();
    QImage image;
    if (isWholeRatio(ratio)) {
        image = source.scaled(deviceSize(logical, ratio), Qt::IgnoreAspectRatio,
                              Qt::FastTransformation);
    } else {
        image = source
                    .scaled(logical * paintRatioFor(ratio), Qt::IgnoreAspectRatio,
                            Qt::FastTransformation)
                    .scaled(deviceSize(logical, ratio), Qt::IgnoreAspectRatio,
                            Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace forms::qt
