#pragma once

#include <array>
#include <string>
#include <string_view>

namespace forms {

// A local date and time of day.
struct DateTime {
    int year = 2000;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    // 0 Sunday to 6 Saturday.
    [[nodiscard]] int weekday() const;
    // Seconds since midnight with their fraction.
    [[nodiscard]] double secondsSinceMidnight() const;
    // The same moment `ms` milliseconds later (or earlier, when negative).
    [[nodiscard]] DateTime plusMilliseconds(long long ms) const;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// The regional settings that formatting reads.
struct Locale {
    std::array<std::string, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 12> monthNames{"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string timeSeparator = ":";
    std::string dateSeparator = "/";
};

// Formats a date and time by a pattern of the classic kind: d dd ddd dddd
// (day, day names), m mm mmm mmmm (month; minutes right after an hour), n nn
// (minutes), h hh, s ss, yy yyyy, ":" and "/" (the locale's separators),
// text in double quotes and characters after a backslash taken literally.
// Any other character stands for itself.
std::string formatDateTime(const DateTime& when, std::string_view pattern, const Locale& locale);

}  // namespace forms
