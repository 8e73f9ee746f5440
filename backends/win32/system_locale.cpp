#include "backends/win32/system_locale.h"

#include <windows.h>

#include "backends/win32/text.h"

namespace forms::win32 {
namespace {

void take(std::string& name, LCTYPE type) {
    wchar_t buffer[80] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 80) > 1) name = utf8(buffer);
}

}  // namespace

Locale userLocale() {
    Locale locale;
    // Windows counts Monday as day 1 and Sunday as day 7; the core Sunday 0.
    for (int day = 0; day < 7; ++day) {
        const int system = day == 0 ? 6 : day - 1;
        take(locale.dayNames[day], static_cast<LCTYPE>(LOCALE_SDAYNAME1 + system));
        take(locale.shortDayNames[day], static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + system));
    }
    for (int month = 0; month < 12; ++month) {
        take(locale.monthNames[month], static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month));
        take(locale.shortMonthNames[month], static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + month));
    }
    take(locale.timeSeparator, LOCALE_STIME);
    take(locale.dateSeparator, LOCALE_SDATE);
    return locale;
}

DateTime localNow() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace forms::win32
