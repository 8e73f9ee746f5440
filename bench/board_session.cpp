#include "bench/board_session.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "program/game_windows.h"

namespace bench {

std::optional<BoardRun> BoardRun::parse(int argc, char* argv[]) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s LEVEL [SECONDS TICKS]\n", argv[0]);
        return std::nullopt;
    }
    BoardRun run{.level = std::atoi(argv[1])};
    if (argc == 4) {
        run.seconds = std::atoi(argv[2]);
        run.ticksFile = argv[3];
    }
    return run;
}

void BoardSession::play() {
    loop_.runFor(500);  // the splash, as seen
    player_.click(klonkatron::kStartupWindow, "Command1");
    watch_ = std::make_unique<BoardWatch>(app_, player_.board());
    loop_.runFor(500);  // the board, as seen
    player_.click(klonkatron::window::kBoard, "Command3");
    watch_->playStarted();
    player_.raiseTo(run_.level, [this](bool scored) {
        loop_.runUntilCalled(scored ? watch_->afterCheck : watch_->afterPopUpTick);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    if (run_.seconds == 0) return;
    loop_.runFor(run_.seconds * 1000);
    std::ofstream out(run_.ticksFile);
    watch_->write(out);
    app_.end();
}

}  // namespace bench
