#pragma once

// The maker's details that several windows show.
namespace klonkatron::credits {

inline constexpr const char* kAuthor = "Sven Klonk";

}  // namespace klonkatron::credits
