#pragma once

#include <QCursor>
#include <QString>

#include "forms/picture.h"

namespace forms::qt {

// The pointer made from a picture, for a screen of that device pixel ratio:
// the picture scaled nearest-neighbour by the whole number nearest the ratio
// (at least 1), kept as an ARGB pixmap so that its clear pixels are clear,
// pointing with the picture's hot spot.
//
// X11 under Qt 6.4 takes a cursor's hot spot in the pixmap's own pixels,
// not in its logical ones as the other platforms do; `platform` names the
// windowing platform, so that the hot spot stays on the same pixel of the
// picture at any scale there too.
QCursor pointerOf(const Picture& picture, qreal devicePixelRatio, const QString& platform);

}  // namespace forms::qt
