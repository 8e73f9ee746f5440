#pragma once

#include <QIcon>

namespace klonkatron {

// The program's icon: the board's window icon at 16 and 32 pixels. Message
// boxes show it, and so do shells that know the program but not its window.
QIcon programIcon();

}  // namespace klonkatron
