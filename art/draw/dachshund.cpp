#include "art/draw/drawing.h"

namespace klonkatron::art::draw {

QImage dachshundPicture() { return opaqueCanvas(238, 264, Qt::white); }

}  // namespace klonkatron::art::draw
