#include "backends/qt/font_preparation.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef __linux__
#include <fontconfig/fontconfig.h>
#endif

namespace forms::qt {

std::thread readFontConfiguration() {
#ifdef __linux__
    return std::thread([] { FcInit(); });
#else
    return std::thread([] {});  // Qt asks the system itself elsewhere
#endif
}

std::jthread fillFontDatabase() {
    return std::jthread([] { (void)QFontDatabase::families(); });
}

}  // namespace forms::qt
