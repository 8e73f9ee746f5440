// Numbers kept in captions: read as double precision, written back as the
// shortest whole-number text.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "forms/caption_number.h"
#include "forms/runtime_error.h"
#include "tests/run_time_error.h"

namespace coretest {
namespace {

using forms::formatNumber;
using forms::parseNumber;
using forms::RuntimeError;

int errorOf(auto&& call) { return klonkatron::testing::runTimeErrorOf(call); }

TEST(CaptionNumberTest, ParsesDecimalTextAsDouble) {
    EXPECT_EQ(parseNumber("0"), 0.0);
    EXPECT_EQ(parseNumber("100"), 100.0);
    EXPECT_EQ(parseNumber("-40"), -40.0);
    EXPECT_EQ(parseNumber("+5"), 5.0);
    EXPECT_EQ(parseNumber(" \t12  "), 12.0);
    EXPECT_EQ(parseNumber("2.5"), 2.5);
    EXPECT_EQ(parseNumber("-.5"), -0.5);
    EXPECT_EQ(parseNumber("1e3"), 1000.0);
    EXPECT_EQ(parseNumber("999999999999999"), 999999999999999.0);
    EXPECT_EQ(parseNumber("12345678901234567890"), 12345678901234567890.0);
}

TEST(CaptionNumberTest, TextThatIsNoNumberIsATypeMismatch) {
    for (const char* text : {"",    "   ",  "abc",  "12abc",     "1 2",  "1,000",    "0x10",
                             "+",   "-",    ".",    "+-5",       "--5",  "- 5",      "inf",
                             "nan", "-inf", "-nan", "-infinity", "+inf", "Infinity", "\n5"}) {
        EXPECT_EQ(errorOf([text] { (void)parseNumber(text); }), RuntimeError::TypeMismatch)
            << '"' << text << '"';
    }
}

TEST(CaptionNumberTest, ANumberBeyondDoublePrecisionIsAnOverflow) {
    for (const char* text :
         {"1e400", "-1e400", " 1e400 ", "0.0001e99999999999999999999", "123456789e305"}) {
        EXPECT_EQ(errorOf([text] { (void)parseNumber(text); }), RuntimeError::Overflow) << text;
    }
}

TEST(CaptionNumberTest, ANumberTooCloseToZeroForADoubleReadsAsZero) {
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_EQ(parseNumber("-1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(parseNumber("-1e-400")));
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(parseNumber("1000e-320"), 1e-317);
    EXPECT_EQ(parseNumber("4.9e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(CaptionNumberTest, AHugeNumberFollowedByTextIsATypeMismatchNotAnOverflow) {
    for (const char* text : {"1e400x", "1e400 2", "-1e-400abc"}) {
        EXPECT_EQ(errorOf([text] { (void)parseNumber(text); }), RuntimeError::TypeMismatch) << text;
    }
}

TEST(CaptionNumberTest, WritesTheShortestWholeNumberText) {
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(100), "100");
    EXPECT_EQ(formatNumber(-40), "-40");
    EXPECT_EQ(formatNumber(1e15), "1000000000000000");
    EXPECT_EQ(formatNumber(9007199254740992.0), "9007199254740992");
    EXPECT_EQ(formatNumber(-9007199254740992.0), "-9007199254740992");
}

TEST(CaptionNumberTest, FractionsRoundHalfToEven) {
    EXPECT_EQ(formatNumber(2.5), "2");
    EXPECT_EQ(formatNumber(-2.5), "-2");
    EXPECT_EQ(formatNumber(0.4), "0");
    EXPECT_EQ(formatNumber(-0.4), "0");
    EXPECT_EQ(formatNumber(99.6), "100");
}

TEST(CaptionNumberTest, AValueNoWholeNumberTextCanHoldIsAnOverflow) {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN(), 1e300, 9007199254740994.0}) {
        EXPECT_EQ(errorOf([value] { (void)formatNumber(value); }), RuntimeError::Overflow) << value;
    }
}

}  // namespace
}  // namespace coretest
