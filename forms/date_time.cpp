#include "forms/date_time.h"

#include <cstdio>

namespace forms {
namespace {

// Days from 1970-01-01 of a civil date (proleptic Gregorian calendar).
long long daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153LL * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

size_t runLength(std::string_view pattern, size_t at) {
    size_t end = at;
    const char c = static_cast<char>(pattern[at] | 0x20);
    while (end < pattern.size() && static_cast<char>(pattern[end] | 0x20) == c) ++end;
    return end - at;
}

}  // namespace

int DateTime::weekday() const {
    const long long days = daysFromCivil(year, month, day);
    return static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
}

double DateTime::secondsSinceMidnight() const {
    return hour * 3600.0 + minute * 60.0 + second + millisecond / 1000.0;
}

DateTime DateTime::plusMilliseconds(long long ms) const {
    long long total = ((daysFromCivil(year, month, day) * 24 + hour) * 60 + minute) * 60000LL +
                      second * 1000LL + millisecond + ms;
    long long days = total / 86400000LL;
    long long rest = total % 86400000LL;
    if (rest < 0) {
        rest += 86400000LL;
        --days;
    }
    DateTime result;
    civilFromDays(days, result.year, result.month, result.day);
    result.hour = static_cast<int>(rest / 3600000);
    result.minute = static_cast<int>(rest / 60000 % 60);
    result.second = static_cast<int>(rest / 1000 % 60);
    result.millisecond = static_cast<int>(rest % 1000);
    return result;
}

std::string formatDateTime(const DateTime& when, std::string_view pattern, const Locale& locale) {
    std::string out;
    bool afterHour = false;  // "m" right after an hour means minutes
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        const char lower = static_cast<char>(c | 0x20);
        if (c == '"') {
            const size_t close = pattern.find('"', i + 1);
            const size_t end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c == '\\' && i + 1 < pattern.size()) {
            out.push_back(pattern[i + 1]);
            i += 2;
            continue;
        }
        if (c == ':') {
            out += locale.timeSeparator;
            ++i;
            continue;
        }
        if (c == '/') {
            out += locale.dateSeparator;
            ++i;
            continue;
        }
        if (lower != 'd' && lower != 'm' && lower != 'n' && lower != 'h' && lower != 's' &&
            lower != 'y') {
            out.push_back(c);
            ++i;
            continue;
        }
        const size_t n = runLength(pattern, i);
        i += n;
        switch (lower) {
            case 'd':
                if (n == 1)
                    out += std::to_string(when.day);
                else if (n == 2)
                    out += twoDigits(when.day);
                else if (n == 3)
                    out += locale.shortDayNames[when.weekday()];
                else
                    out += locale.dayNames[when.weekday()];
                afterHour = false;
                break;
            case 'h':
                out += n == 1 ? std::to_string(when.hour) : twoDigits(when.hour);
                afterHour = true;
                break;
            case 'n':
                out += n == 1 ? std::to_string(when.minute) : twoDigits(when.minute);
                afterHour = false;
                break;
            case 'm':
                if (afterHour && n <= 2) {
                    out += n == 1 ? std::to_string(when.minute) : twoDigits(when.minute);
                } else if (n == 1) {
                    out += std::to_string(when.month);
                } else if (n == 2) {
                    out += twoDigits(when.month);
                } else if (n == 3) {
                    out += locale.shortMonthNames[when.month - 1];
                } else {
                    out += locale.monthNames[when.month - 1];
                }
                afterHour = false;
                break;
            case 's':
                out += n == 1 ? std::to_string(when.second) : twoDigits(when.second);
                afterHour = false;
                break;
            default:  // 'y'
                out += n <= 2 ? twoDigits(when.year % 100) : std::to_string(when.year);
                afterHour = false;
                break;
        }
    }
    return out;
}

}  // namespace forms
