#pragma once

#include "forms/form_design.h"

namespace klonkatron {

// The borderless window with the photograph of the dog.
const forms::FormDesign& form2Design();

}  // namespace klonkatron
