#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "bench/board_watch.h"
#include "bench/player.h"
#include "forms/application.h"

namespace bench {

// The board harness's command line, the same for every backend:
//   LEVEL                 runs until killed
//   LEVEL SECONDS TICKS   records the pop-up timers' ticks for SECONDS,
//                         writes them to the file TICKS and ends
struct BoardRun {
    int level = 0;
    int seconds = 0;  // 0: run until killed
    std::string ticksFile;

    // Nothing, after a usage line on standard error, when the line is wrong.
    static std::optional<BoardRun> parse(int argc, char* argv[]);
};

// How a backend's event loop lets time pass inside a handler, as it passes
// between a player's actions.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Runs the loop for that long.
    virtual void runFor(int milliseconds) = 0;
    // Runs the loop until `quit`, which this sets for the while, is called.
    virtual void runUntilCalled(std::function<void()>& quit) = 0;
};

// The player's way through the running program: Ok on the splash, Start on
// the board, then strikes until the level check has raised the level to the
// one asked for; "ready" to standard output. With a duration it records the
// pop-up timers' ticks for that long, writes them and ends the program.
class BoardSession {
public:
    BoardSession(forms::Application& app, BoardRun run, EventLoop& loop)
        : app_(app), run_(std::move(run)), loop_(loop), player_(app) {}

    // Runs from inside the program's event loop, once its first window shows.
    void play();

private:
    forms::Application& app_;
    BoardRun run_;
    EventLoop& loop_;
    Player player_;
    // Wraps the board's timer handlers for as long as the program runs.
    std::unique_ptr<BoardWatch> watch_;
};

}  // namespace bench
