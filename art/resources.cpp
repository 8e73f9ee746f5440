#include "art/resources.h"

#include "art/catalogue.h"

namespace klonkatron::art {

QString resourcePath(const forms::PictureSource& source) {
    return QStringLiteral(":/art/%1.png")
        .arg(QString::fromUtf8(source.resource.data(),
                               static_cast<qsizetype>(source.resource.size())));
}

QIcon programIcon() {
    QIcon icon;
    icon.addFile(resourcePath(form1SmallIcon));
    icon.addFile(resourcePath(form1Icon));
    return icon;
}

}  // namespace klonkatron::art
