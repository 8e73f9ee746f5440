// Dates and times: weekdays, formatting by a pattern with the locale's names
// and separators, and the program's clock.

#include "forms_fixture.h"

#include "forms/date_time.h"

namespace coretest {
namespace {

const DateTime kMonday{2026, 12, 7, 9, 5, 3, 250};

std::string fmt(const DateTime& when, std::string_view pattern, const Locale& locale = {}) {
    return formatDateTime(when, pattern, locale);
}

TEST(DateTimeTest, WeekdaysAcrossCenturiesAndLeapDays) {
    EXPECT_EQ(kMonday.weekday(), 1);
    EXPECT_EQ((DateTime{2000, 1, 1}).weekday(), 6);
    EXPECT_EQ((DateTime{2024, 2, 29}).weekday(), 4);
    EXPECT_EQ((DateTime{1969, 12, 31}).weekday(), 3);
    EXPECT_EQ((DateTime{1900, 1, 1}).weekday(), 1);
}

TEST(DateFormatTest, DayNameAndTimeOfDay) {
    EXPECT_EQ(fmt(kMonday, "dddd, hh:mm"), "Monday, 09:05");
    EXPECT_EQ(fmt({2026, 12, 13, 0, 0}, "dddd, hh:mm"), "Sunday, 00:00");
    EXPECT_EQ(fmt({2026, 12, 12, 23, 59}, "dddd, hh:mm"), "Saturday, 23:59");
    EXPECT_EQ(fmt(kMonday, "h:m:s"), "9:5:3");
    EXPECT_EQ(fmt(kMonday, "HH:NN:SS"), "09:05:03");
}

TEST(DateFormatTest, MMeansMinutesOnlyRightAfterAnHour) {
    EXPECT_EQ(fmt(kMonday, "mm"), "12");
    EXPECT_EQ(fmt(kMonday, "dd/mm/yy hh:mm"), "07/12/26 09:05");
    EXPECT_EQ(fmt(kMonday, "hh:mmm"), "09:Dec");
    EXPECT_EQ(fmt(kMonday, "m/d/yyyy"), "12/7/2026");
    EXPECT_EQ(fmt(kMonday, "ddd d mmmm yyyy"), "Mon 7 December 2026");
}

TEST(DateFormatTest, QuotedAndEscapedTextIsLiteral) {
    EXPECT_EQ(fmt(kMonday, "\"day\" d"), "day 7");
    EXPECT_EQ(fmt(kMonday, "\\d\\m d"), "dm 7");
    EXPECT_EQ(fmt(kMonday, "hh \"o'clock"), "09 o'clock");
    EXPECT_EQ(fmt(kMonday, "at hh"), "at 09");
}

TEST(DateFormatTest, TheLocaleGivesNamesAndSeparators) {
    Locale swedish;
    swedish.dayNames = {"söndag", "måndag", "tisdag", "onsdag", "torsdag", "fredag", "lördag"};
    swedish.timeSeparator = ".";
    swedish.dateSeparator = "-";
    EXPECT_EQ(fmt(kMonday, "dddd, hh:mm", swedish), "måndag, 09.05");
    EXPECT_EQ(fmt(kMonday, "yyyy/mm/dd", swedish), "2026-12-07");
}

class ClockTest : public FormsTest {};

TEST_F(ClockTest, TheProgramsClockFollowsTheVirtualTime) {
    Locale dutch;
    dutch.dayNames[1] = "maandag";
    dutch.dayNames[2] = "dinsdag";
    backend().setLocale(dutch);
    EXPECT_EQ(app().format(app().now(), "dddd, hh:mm"), "maandag, 09:05");
    EXPECT_FLOAT_EQ(app().secondsSinceMidnight(), 32700.0F);
    rt().advance(1500);
    EXPECT_FLOAT_EQ(app().secondsSinceMidnight(), 32701.5F);
    rt().advance(15LL * 3600 * 1000);  // past midnight
    EXPECT_EQ(app().format(app().now(), "dddd, hh:mm"), "dinsdag, 00:05");
}

}  // namespace
}  // namespace coretest
