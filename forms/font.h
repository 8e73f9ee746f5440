#pragma once

#include <string>

namespace forms {

// A font as the window tables name it: family, size in points, weight.
struct Font {
    std::string name = "Arial";
    double sizePoints = 8.25;
    bool bold = false;

    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace forms
