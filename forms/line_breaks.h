#pragma once

#include <string>
#include <string_view>

namespace forms {

// A text box keeps every line break as CR LF, whatever its widget reports
// (TextBox::userEdited applies this). A widget that keeps bare line feeds
// is given the text with them (withLineFeeds).
std::string withCrLf(std::string_view text);
std::string withLineFeeds(std::string_view text);

}  // namespace forms
