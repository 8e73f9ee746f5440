// The game in a web page: main() shows the first window and returns; the
// browser's event loop runs the program from then on, and the page starts
// another game when the player asks after the end.
#include <emscripten.h>

#include <memory>

#include "program/web_program.h"

namespace {

std::unique_ptr<klonkatron::WebProgram> program;

// Called from the page's own events only, never from a handler of the
// program it replaces.
void startProgram() {
    program.reset();
    program = std::make_unique<klonkatron::WebProgram>();
    program->run();
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void klonkatron_play_again() { startProgram(); }

int main() {
    startProgram();
    return 0;
}
