#pragma once

#include <string_view>

#include "forms/date_time.h"

namespace forms::web {

// The regional names as the page gives them (page_boxes.js, from the
// browser's Intl for its language), one a line: the seven day names from
// Sunday, the seven short ones, the twelve month names, the twelve short
// ones, and the time separator. A list of another length is not the page's
// and leaves English; an empty name keeps the English one, as on the
// desktop.
Locale localeFromLines(std::string_view lines);

}  // namespace forms::web
