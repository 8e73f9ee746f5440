#include "backends/web/key_codes.h"

namespace forms::web {
namespace {

// The one code point a key value of one character holds (UTF-8), or 0.
char32_t singleCodePoint(std::string_view text) {
    if (text.empty()) return 0;
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    std::size_t length = 0;
    char32_t point = 0;
    if (first < 0x80) {
        length = 1;
        point = first;
    } else if ((first & 0xE0) == 0xC0) {
        length = 2;
        point = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        point = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        point = first & 0x07;
    } else {
        return 0;
    }
    if (text.size() != length) return 0;  // a named key ("Shift") or several characters
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        point = (point << 6) | (byte(i) & 0x3F);
    }
    return point;
}

}  // namespace

KeyEvent keyEventOf(std::string_view domKey, int shift) {
    if (domKey == "Enter") return {kKeyEnter, U'\r', shift};
    if (domKey == "Escape") return {kKeyEscape, U'\x1B', shift};
    if (domKey == "Backspace") return {kKeyBackspace, U'\b', shift};
    if (domKey == "Tab") return {kKeyTab, U'\t', shift};
    const char32_t character = singleCodePoint(domKey);
    int code = 0;
    if (character >= 'a' && character <= 'z') {
        code = static_cast<int>(character - 'a' + 'A');
    } else if (isLetterOrDigitKey(static_cast<int>(character)) || character == U' ') {
        code = static_cast<int>(character);
    }
    // With Ctrl or Alt a key makes no character, as on the desktop.
    const bool chord = (shift & (CtrlKey | AltKey)) != 0;
    return {code, chord ? char32_t{0} : character, shift};
}

}  // namespace forms::web
