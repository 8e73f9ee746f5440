#include "program/qt_program_icon.h"

#include <QPixmap>

#include "art/catalogue.h"
#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"

namespace klonkatron {

QIcon programIcon() {
    QIcon icon;
    for (const forms::PictureSource& size : {art::form1SmallIcon, art::form1Icon})
        icon.addPixmap(QPixmap::fromImage(forms::qt::imageOf(forms::pixelsOf(size))));
    return icon;
}

}  // namespace klonkatron
