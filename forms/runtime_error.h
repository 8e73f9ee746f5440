#pragma once

#include <stdexcept>
#include <string>

namespace forms {

// The run-time error of the forms runtime. Raising one ends the event handler
// it was raised in; the dispatcher catches it and the program goes on.
class RuntimeError : public std::runtime_error {
public:
    // The classic error numbers that callers and tests rely on.
    enum Number : int {
        InvalidProcedureCall = 5,
        Overflow = 6,
        TypeMismatch = 13,
        FileNotFound = 53,
        PathFileAccessError = 75,
        InvalidPropertyValue = 380,
        ObjectRequired = 424,
    };

    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& description);

    [[nodiscard]] int number() const noexcept { return number_; }

    // The standard description of an error number ("Type mismatch").
    static std::string describe(int number);

private:
    int number_;
};

}  // namespace forms
