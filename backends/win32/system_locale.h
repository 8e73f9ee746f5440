#pragma once

#include "forms/date_time.h"

namespace forms::win32 {

// The user's regional settings: day and month names and the separators;
// a name the system lacks stays English.
Locale userLocale();
// The local date and time.
DateTime localNow();

}  // namespace forms::win32
