#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>

#include "forms/font.h"
#include "forms/geometry.h"
#include "forms/picture.h"
#include "forms/pixel_image.h"
#include "forms/pixels.h"

namespace forms::qt {

// The core's colours, rectangles, pictures and fonts as Qt's.
QColor qcolorOf(Color colour);
QRect qrectOf(const PixelRect& pixels);
// The pixels of a twips rectangle (forms::pixelRect) as a QRect.
QRect qrectOf(const Rect& twips);
PixelRect pixelRectOf(const QRect& rect);
// A picture as a pixmap, made from its pixels once per image and shared.
const QPixmap& pixmapOf(const PixelImage& pixels);
const QPixmap& pixmapOf(const Picture& picture);
// A font as the windows name it, at its pixel size (forms::fontPixelSize).
QFont qfontOf(const Font& font);

}  // namespace forms::qt
