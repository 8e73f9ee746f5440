#pragma once

namespace klonkatron::window {

// The name of every window of the game: its design carries it, the program
// registers the window by it, and the logic opens and finds it by it.
inline constexpr const char* kSplash = "frmSplash";
inline constexpr const char* kBoard = "Form1";
inline constexpr const char* kText = "frmSplash1";
inline constexpr const char* kAbout = "frmAbout";
inline constexpr const char* kPicture = "Form2";

inline constexpr const char* kAll[] = {kSplash, kBoard, kText, kAbout, kPicture};

}  // namespace klonkatron::window
