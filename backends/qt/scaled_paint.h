#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>

#include "forms/form.h"

class QPainter;

namespace forms::qt {

// Whether a device pixel ratio is a whole number, so that every picture
// pixel maps onto an exact square of device pixels.
bool isWholeRatio(qreal ratio);

// Paints a window's background and drawn controls, where they meet `dirty`
// (logical pixels), for the device the painter paints on. At a whole device
// pixel ratio it paints directly: pictures scale nearest-neighbour into
// exact squares. At a fractional ratio it paints the whole window at the
// next whole ratio into one image and scales that image once, smoothly, to
// the device's pixels: every picture pixel comes out equally soft, and
// separately painted parts meet without seams.
void paintFormForDevice(QPainter& painter, const Form& form, const QRect& dirty);

// A picture filling `logical` pixels on a device of that ratio, by the same
// rule: nearest-neighbour at a whole ratio; at a fractional one,
// nearest-neighbour to the next whole ratio and then smoothly to the
// device's pixels. The image carries the ratio.
QImage pictureForDevice(const QPixmap& picture, const QSize& logical, qreal ratio);

}  // namespace forms::qt
