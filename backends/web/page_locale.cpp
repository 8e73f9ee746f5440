#include "backends/web/page_locale.h"

#include <span>
#include <string>
#include <vector>

namespace forms::web {
namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    lines.push_back(text.substr(from));
    return lines;
}

void take(std::span<std::string> names, std::span<const std::string_view> lines) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!lines[i].empty()) names[i] = std::string(lines[i]);
    }
}

}  // namespace

Locale localeFromLines(std::string_view lines) {
    Locale locale;
    const std::vector<std::string_view> all = splitLines(lines);
    if (all.size() != 7 + 7 + 12 + 12 + 1) return locale;
    const std::span<const std::string_view> rest(all);
    take(locale.dayNames, rest.subspan(0, 7));
    take(locale.shortDayNames, rest.subspan(7, 7));
    take(locale.monthNames, rest.subspan(14, 12));
    take(locale.shortMonthNames, rest.subspan(26, 12));
    if (!all[38].empty()) locale.timeSeparator = std::string(all[38]);
    return locale;
}

}  // namespace forms::web
