#include "forms/runtime_error.h"

namespace forms {

RuntimeError::RuntimeError(int number) : RuntimeError(number, describe(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

std::string RuntimeError::describe(int number) {
    switch (number) {
        case InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case Overflow:
            return "Overflow";
        case TypeMismatch:
            return "Type mismatch";
        case FileNotFound:
            return "File not found";
        case PathFileAccessError:
            return "Path/File access error";
        case InvalidPropertyValue:
            return "Invalid property value";
        case ObjectRequired:
            return "Object required";
        default:
            return "Application-defined or object-defined error";
    }
}

}  // namespace forms
