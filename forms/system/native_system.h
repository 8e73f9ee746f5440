#pragma once

#include <memory>

#include "forms/system/system_services.h"

namespace forms {

// The system services of the system the program was built for: the real
// registry, programs and files of Windows, or their POSIX stand-ins.
std::unique_ptr<SystemServices> makeNativeSystem();

}  // namespace forms
