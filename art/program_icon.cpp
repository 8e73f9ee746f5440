#include "art/program_icon.h"

#include <QPixmap>

#include "art/catalogue.h"
#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"

namespace klonkatron::art {

QIcon programIcon() {
    QIcon icon;
    for (const forms::PictureSource& size : {form1SmallIcon, form1Icon})
        icon.addPixmap(QPixmap::fromImage(forms::qt::imageOf(forms::pixelsOf(size))));
    return icon;
}

}  // namespace klonkatron::art
