#include "art/draw/drawing.h"

namespace klonkatron::art::draw {

QImage splashScenePicture() { return opaqueCanvas(175, 263, kWindowGreen); }

}  // namespace klonkatron::art::draw
