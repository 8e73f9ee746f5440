// The system of a web page: it can start no program, find no file and read
// no registry, so the game's calls get the answers of a system without
// them (the About window's tool, for one, is unavailable).
#include "forms/system/native_system.h"
#include "forms/system/unavailable_system.h"

namespace forms {

std::unique_ptr<SystemServices> makeNativeSystem() { return std::make_unique<UnavailableSystem>(); }

}  // namespace forms
