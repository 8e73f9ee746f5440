#pragma once

#include "backends/web/web_backend.h"
#include "program/game_program.h"

namespace klonkatron {

// The game on the web backend: the page klonkatron.html.
using WebProgram = ProgramOn<forms::web::WebBackend>;

}  // namespace klonkatron
