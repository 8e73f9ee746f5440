#include "forms/system/batch_file.h"

#include <array>

namespace forms {

bool isBatchFile(std::string_view path) {
    while (!path.empty() && (path.back() == '.' || path.back() == ' ')) path.remove_suffix(1);
    constexpr std::array<std::string_view, 2> kExtensions = {".bat", ".cmd"};
    for (const std::string_view extension : kExtensions) {
        if (path.size() < extension.size()) continue;
        const std::string_view end = path.substr(path.size() - extension.size());
        bool same = true;
        for (size_t i = 0; i < end.size(); ++i) {
            const char c =
                end[i] >= 'A' && end[i] <= 'Z' ? static_cast<char>(end[i] - 'A' + 'a') : end[i];
            same = same && c == extension[i];
        }
        if (same) return true;
    }
    return false;
}

}  // namespace forms
