#pragma once

// The maker's details that several windows show. They stand for a maker who
// does not exist; the addresses are in the domain reserved for examples.
namespace klonkatron::credits {

inline constexpr const char* kAuthor = "Sven Klonk";
inline constexpr const char* kCopyright = "(c) 1999 Sven Klonk";
inline constexpr const char* kWebSite = "www.example.org/klonk";
inline constexpr const char* kEmail = "sven.klonk@example.org";
// The fairground game of hammering what pops up.
inline constexpr const char* kInspiration = "Bonk-a-Mole";

}  // namespace klonkatron::credits
