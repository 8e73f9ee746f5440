// The kill-o-meter: the lamp bar follows the face within a second. Faces
// are told apart by picture object, not by pixels.
#include "game/form1.h"

namespace klonkatron {

void Form1::killometer_Timer() {
    for (const Meter& meter : meters_) {
        if (mug.pictureHandle() == meter.face.pictureHandle()) bar.setPicture(meter.bar.picture());
    }
}

}  // namespace klonkatron
