#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>

#include "forms/font.h"
#include "forms/form.h"
#include "forms/geometry.h"
#include "forms/picture.h"

class QPainter;

namespace forms::qt {

// The pixels of a twips rectangle (forms::pixelRect) as a QRect.
QRect qrectOf(const Rect& twips);
// A picture as a pixmap, made from its pixels once per image and shared.
const QPixmap& pixmapOf(const Picture& picture);
// A font as the windows name it, its points taken at 96 dpi.
QFont qfontOf(const Font& font);
// Paints a window's background and its drawn controls, back to front, where
// they meet `dirty` (pixels). Pictures scale nearest-neighbour.
void paintForm(QPainter& painter, const Form& form, const QRect& dirty);

}  // namespace forms::qt
