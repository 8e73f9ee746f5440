#include "forms/text_layout.h"

namespace forms {
namespace {

void trimTrailingBlanks(std::string& line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
}

void wrapParagraph(std::string_view paragraph, double width,
                   const std::function<double(std::string_view)>& measure,
                   std::vector<std::string>& lines) {
    std::string line;
    size_t i = 0;
    auto flush = [&] {
        trimTrailingBlanks(line);
        lines.push_back(line);
        line.clear();
    };
    while (i < paragraph.size()) {
        if (paragraph[i] == ' ') {
            // A blank that no longer fits ends the line and is dropped.
            if (!line.empty() && measure(line + ' ') > width) {
                flush();
            } else {
                line.push_back(' ');
            }
            ++i;
            continue;
        }
        size_t end = paragraph.find(' ', i);
        if (end == std::string_view::npos) end = paragraph.size();
        const std::string_view word = paragraph.substr(i, end - i);
        if (measure(line + std::string(word)) <= width) {
            line.append(word);
            i = end;
            continue;
        }
        const bool lineHasText = line.find_first_not_of(' ') != std::string::npos;
        if (!line.empty() && (lineHasText || measure(word) <= width)) {
            flush();
            continue;
        }
        // A word wider than the whole label: break it where it stops fitting.
        size_t fit = 1;
        while (fit < word.size() && measure(line + std::string(word.substr(0, fit + 1))) <= width) {
            ++fit;
        }
        line.append(word.substr(0, fit));
        i += fit;
        // The last piece of the paragraph stays for the final line below.
        if (i < paragraph.size()) flush();
    }
    trimTrailingBlanks(line);
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> wrapText(std::string_view text, double width,
                                  const std::function<double(std::string_view)>& measure) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        wrapParagraph(paragraph, width, measure, lines);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace forms
