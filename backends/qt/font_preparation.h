#pragma once

#include <thread>

namespace forms::qt {

// The first window cannot draw a caption before the system's fonts are
// known, and finding them (fontconfig reading its configuration, Qt listing
// every font) takes longer than the rest of the start-up. Both run on a
// thread of their own while Qt and the windows are set up.

// Before the QApplication is made: reads fontconfig's configuration. Join
// the thread once the QApplication exists.
std::thread readFontConfiguration();
// Once the QApplication exists: fills Qt's font database. The thread must
// end before the QApplication does.
std::jthread fillFontDatabase();

}  // namespace forms::qt
