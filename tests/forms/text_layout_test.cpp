// Wrapping a label's caption into lines that fit its width.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/text_layout.h"

namespace coretest {
namespace {

using Lines = std::vector<std::string>;

// Every character one unit wide.
Lines wrap(std::string_view text, double width) {
    return forms::wrapText(text, width, [](std::string_view s) { return double(s.size()); });
}

TEST(TextWrapTest, TextThatFitsStaysOnOneLine) {
    EXPECT_EQ(wrap("", 10), (Lines{""}));
    EXPECT_EQ(wrap("hello", 5), (Lines{"hello"}));
    EXPECT_EQ(wrap("hello world", 11), (Lines{"hello world"}));
    EXPECT_EQ(wrap("a  b", 10), (Lines{"a  b"}));
}

TEST(TextWrapTest, WrapsAtBlanksAndDropsThemAtTheLineEnd) {
    EXPECT_EQ(wrap("hello world", 10), (Lines{"hello", "world"}));
    EXPECT_EQ(wrap("aaaaa bbbbb", 5), (Lines{"aaaaa", "bbbbb"}));
    EXPECT_EQ(wrap("ab cd ef", 5), (Lines{"ab cd", "ef"}));
    EXPECT_EQ(wrap("abc   ", 10), (Lines{"abc"}));
}

TEST(TextWrapTest, LeadingBlanksWrapLikeWordsAndPushTheTextDown) {
    // The banner of the board: 30 of its 50 blanks fill the first line, the
    // blank that ends it is dropped, and 19 lead the second.
    const std::string banner = std::string(50, ' ') + "Welcome!";
    EXPECT_EQ(wrap(banner, 30), (Lines{"", std::string(19, ' ') + "Welcome!"}));
    EXPECT_EQ(wrap("     Welcome!", 10), (Lines{"", "Welcome!"}));
}

TEST(TextWrapTest, AWordWiderThanTheLabelBreaksWhereItStopsFitting) {
    EXPECT_EQ(wrap("abcdefghijklmno", 5), (Lines{"abcde", "fghij", "klmno"}));
    EXPECT_EQ(wrap("ab abcdefghijk", 5), (Lines{"ab", "abcde", "fghij", "k"}));
    EXPECT_EQ(wrap("   abcdefghijkl", 5), (Lines{"   ab", "cdefg", "hijkl"}));
}

TEST(TextWrapTest, ALabelNarrowerThanACharacterStillShowsOneALine) {
    EXPECT_EQ(wrap("abc", 0.5), (Lines{"a", "b", "c"}));
    EXPECT_EQ(wrap("ab\ncd", 0), (Lines{"a", "b", "c", "d"}));
}

TEST(TextWrapTest, LineBreaksInTheTextStartNewLines) {
    EXPECT_EQ(wrap("a\nb", 10), (Lines{"a", "b"}));
    EXPECT_EQ(wrap("a\r\nb\r\n", 10), (Lines{"a", "b", ""}));
    EXPECT_EQ(wrap("a\n\nb", 10), (Lines{"a", "", "b"}));
    EXPECT_EQ(wrap("hello world\nx", 6), (Lines{"hello", "world", "x"}));
}

TEST(TextWrapTest, MeasuresWholePiecesSoProportionalWidthsWork) {
    // "i" is narrow, "W" wide: three of each in a width of 8.
    auto measure = [](std::string_view s) {
        double w = 0;
        for (char c : s) w += c == 'i' ? 0.5 : c == 'W' ? 2.0 : 1.0;
        return w;
    };
    EXPECT_EQ(forms::wrapText("iiiiii WWW", 8, measure), (Lines{"iiiiii", "WWW"}));
    EXPECT_EQ(forms::wrapText("WWWWW", 8, measure), (Lines{"WWWW", "W"}));
}

}  // namespace
}  // namespace coretest
