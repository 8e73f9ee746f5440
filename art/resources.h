#pragma once

#include <QIcon>
#include <QString>

#include "forms/picture.h"

// The pictures compiled into the program as Qt resources.
namespace klonkatron::art {

// Where a picture's image is among the resources.
QString resourcePath(const forms::PictureSource& source);

// The program's icon: the board's window icon at 16 and 32 pixels. Message
// boxes show it, and so do shells that know the program but not its window.
QIcon programIcon();

}  // namespace klonkatron::art
