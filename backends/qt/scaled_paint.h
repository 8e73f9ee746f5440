#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>

#include "forms/form.h"

class QPainter;

namespace forms::qt {

// Paints a window's background and drawn controls, where they meet `dirty`
// (logical pixels), for the device the painter paints on, by the core's
// painting (forms/form_painting.h) on a QtCanvas and the core's scale
// policy (forms/paint_scale.h): directly at a whole device pixel ratio; at
// a fractional one the whole window at the next whole ratio into one image,
// scaled once, smoothly, to the device's pixels.
void paintFormForDevice(QPainter& painter, const Form& form, const QRect& dirty);

// A picture filling `logical` pixels on a device of that ratio, by the same
// rule: nearest-neighbour at a whole ratio; at a fractional one,
// nearest-neighbour to the next whole ratio and then smoothly to the
// device's pixels. The image carries the ratio.
QImage pictureForDevice(const QPixmap& picture, const QSize& logical, qreal ratio);

}  // namespace forms::qt
