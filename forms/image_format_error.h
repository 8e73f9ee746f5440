#pragma once

#include <stdexcept>

namespace forms {

// An image file this program cannot read: damaged, or in a form it does not
// decode. The message says which, for a person.
class ImageFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace forms
