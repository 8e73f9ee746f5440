// The web backend's own rules, under Node: the browser's keys in the core's
// table, where windows go on the page, and the fonts of its canvases and
// controls. The page itself is played in tests/web.
#include <gtest/gtest.h>

#include "backends/web/css_font.h"
#include "backends/web/key_codes.h"
#include "backends/web/page_locale.h"
#include "backends/web/window_box.h"
#include "designs/form1_design.h"
#include "designs/frm_about_design.h"
#include "designs/frm_splash_design.h"

namespace forms::web {
namespace {

void expectKey(std::string_view domKey, int shift, int code, char32_t character) {
    const KeyEvent key = keyEventOf(domKey, shift);
    EXPECT_EQ(key.keyCode, code) << domKey;
    EXPECT_EQ(key.character, character) << domKey;
    EXPECT_EQ(key.shift, shift) << domKey;
}

TEST(PageKeys, TheKeysTheCoreActsOnHaveItsCodesAndTheirControlCharacters) {
    expectKey("Enter", NoShift, kKeyEnter, U'\r');
    expectKey("Escape", NoShift, kKeyEscape, U'\x1B');
    expectKey("Backspace", NoShift, kKeyBackspace, U'\b');
    expectKey("Tab", ShiftKey, kKeyTab, U'\t');  // Shift+Tab: the code with Shift
    expectKey(" ", NoShift, kKeySpace, U' ');
}

TEST(PageKeys, LettersAreCodedUpperCaseAndKeepTheCharacterTyped) {
    expectKey("q", NoShift, 'Q', U'q');
    expectKey("Q", ShiftKey, 'Q', U'Q');
    expectKey("7", NoShift, '7', U'7');
    // With Ctrl or Alt the letter still names the access key, but types nothing.
    expectKey("o", AltKey, 'O', 0);
    expectKey("c", CtrlKey, 'C', 0);
}

TEST(PageKeys, OtherCharactersTypeButHaveNoCodeAndNamedKeysNeither) {
    expectKey("\xC3\xA9", NoShift, 0, U'\u00E9');              // é, two bytes
    expectKey("\xE2\x82\xAC", NoShift, 0, U'\u20AC');          // €, three
    expectKey("\xF0\x9F\x94\xA8", NoShift, 0, U'\U0001F528');  // hammer, four
    expectKey("Shift", ShiftKey, 0, 0);
    expectKey("ArrowLeft", NoShift, 0, 0);
    expectKey("", NoShift, 0, 0);
    expectKey("\xC3", NoShift, 0, 0);   // cut short
    expectKey("\xC3(", NoShift, 0, 0);  // not a continuation byte
    expectKey("ab", NoShift, 0, 0);     // two characters (a dead key's)
}

TEST(PageWindows, TheSplashAndTheBoardAreCentredWithTheirFrames) {
    // The splash: a dialog's frame without a title bar round 492 by 279.
    EXPECT_EQ(windowBoxOf(klonkatron::frmSplashDesign(), 900, 700),
              (WindowBox{3, 0, (900 - 498) / 2, (700 - 285) / 2, 492, 279}));
    // The board: a tool window's small title bar and a thin border, the
    // whole window centred.
    const WindowBox board = windowBoxOf(klonkatron::form1Design(), 900, 700);
    EXPECT_EQ(board, (WindowBox{1, 18, (900 - 330) / 2, (700 - 300) / 2, 328, 280}));
    EXPECT_EQ(board.outerWidth(), 330);
    EXPECT_EQ(board.outerHeight(), 300);
}

TEST(PageWindows, AWindowPlacedByDesignHasItsClientAreaThere) {
    const WindowBox about = windowBoxOf(klonkatron::frmAboutDesign(), 900, 700);
    const int titleAndBorder = about.titleBarHeight + about.border;
    EXPECT_EQ(about.left + about.border, 2340 / 15);
    EXPECT_EQ(about.top + titleAndBorder, 1890 / 15);
}

TEST(PageWindows, NoTitleBarLiesAboveOrLeftOfThePage) {
    // A page smaller than the window, as on a phone: the corner stays in reach.
    const WindowBox board = windowBoxOf(klonkatron::form1Design(), 320, 240);
    EXPECT_EQ(board.left, 0);
    EXPECT_EQ(board.top, 0);
    FormDesign corner = klonkatron::frmAboutDesign();
    corner.position = {0, 0};
    const WindowBox about = windowBoxOf(corner, 900, 700);
    EXPECT_EQ(about.left, 0);
    EXPECT_EQ(about.top, 0);
}

TEST(PageFonts, EveryFontIsTheEmbeddedFamilyAtTheDesktopsPixelSize) {
    EXPECT_EQ(cssFontOf(Font{}), "11px \"Liberation Sans\", sans-serif");
    EXPECT_EQ(cssFontOf(Font{"MS Sans Serif", 20.25, true}),
              "bold 27px \"Liberation Sans\", sans-serif");
}

TEST(PageLocale, TheBrowsersNamesReplaceTheEnglishOnesWhereItHasThem) {
    const char* german =
        "Sonntag\nMontag\nDienstag\nMittwoch\nDonnerstag\nFreitag\nSamstag\n"
        "So\nMo\nDi\nMi\nDo\nFr\nSa\n"
        "Januar\nFebruar\nM\xC3\xA4rz\nApril\nMai\nJuni\nJuli\nAugust\nSeptember\nOktober\n"
        "November\nDezember\n"
        "Jan\nFeb\nM\xC3\xA4r\nApr\nMai\nJun\nJul\nAug\nSep\nOkt\nNov\n\n"  // no short December
        ".";
    const Locale locale = localeFromLines(german);
    EXPECT_EQ(locale.dayNames[3], "Mittwoch");
    EXPECT_EQ(locale.shortDayNames[0], "So");
    EXPECT_EQ(locale.monthNames[2], "M\xC3\xA4rz");
    EXPECT_EQ(locale.shortMonthNames[10], "Nov");
    EXPECT_EQ(locale.shortMonthNames[11], "Dec");  // kept
    EXPECT_EQ(locale.timeSeparator, ".");
    EXPECT_EQ(locale.dateSeparator, "/");
}

TEST(PageLocale, AListOfAnotherLengthLeavesEnglish) {
    const Locale english;
    for (const char* lines :
         {"", "Sonntag\nMontag", "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nn\n"}) {
        const Locale locale = localeFromLines(lines);
        EXPECT_EQ(locale.dayNames, english.dayNames) << lines;
        EXPECT_EQ(locale.timeSeparator, ":") << lines;
    }
}

}  // namespace
}  // namespace forms::web
