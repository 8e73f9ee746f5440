#pragma once

#include "forms/form_design.h"

namespace klonkatron {

// The text window with the mock scripture.
const forms::FormDesign& frmSplash1Design();

// The design text of its text box: eleven lines, each ended by CR LF.
extern const char* const kScriptureText;

}  // namespace klonkatron
