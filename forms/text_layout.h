#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// Breaks a label's caption into lines that fit its width, the way the
// labels of this toolkit wrap: at blanks, with a run of blanks wrapping like
// words do (so leading blanks can push a word onto a lower line), blanks at
// a line's end dropped, and a word wider than the label broken where it no
// longer fits. Line breaks in the text ("\n", "\r\n") start new lines.
// `measure` gives the width of a piece of text in any unit `width` uses.
std::vector<std::string> wrapText(std::string_view text, double width,
                                  const std::function<double(std::string_view)>& measure);

}  // namespace forms
