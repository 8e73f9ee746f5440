#include "platform/qt/font_preparation.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace forms::qt {

std::thread readFontConfiguration() {
    return std::thread([] { FcInit(); });
}

std::jthread fillFontDatabase() {
    return std::jthread([] { (void)QFontDatabase::families(); });
}

}  // namespace forms::qt
