// The game as the program runs it (real windows, the Qt backend, real time),
// played through its own rules to a level and then left running: what the
// process-level figures measure.
//   klonkatron_bench_board LEVEL                 runs until killed
//   klonkatron_bench_board LEVEL SECONDS TICKS   records the pop-up timers'
//                                                ticks for SECONDS, writes them
//                                                to the file TICKS and ends
// The player opens the board from the splash with Ok, starts a game, and
// strikes computers until the level check has raised the level to LEVEL;
// then "ready" goes to standard output.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "bench/board_watch.h"
#include "bench/player.h"
#include "forms/application.h"
#include "program/game_windows.h"
#include "program/qt_program.h"

namespace {

// Lets the event loop run for a while, as time passes between a player's
// actions.
void pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s LEVEL [SECONDS TICKS]\n", argv[0]);
        return 2;
    }
    const int wanted = std::atoi(argv[1]);
    const int seconds = argc == 4 ? std::atoi(argv[2]) : 0;
    const std::string ticksFile = argc == 4 ? argv[3] : "";

    QApplication qtApp(argc, argv);
    klonkatron::QtProgram program;
    forms::Application& app = program.app();

    bench::Player player(app);
    std::unique_ptr<bench::BoardWatch> watch;
    QTimer::singleShot(0, [&] {
        pause(500);  // the splash, as seen
        player.click(klonkatron::kStartupWindow, "Command1");
        watch = std::make_unique<bench::BoardWatch>(app, player.board());
        pause(500);  // the board, as seen
        player.click(klonkatron::window::kBoard, "Command3");
        watch->playStarted();
        player.raiseTo(wanted, [&] {
            QEventLoop loop;
            watch->afterCheck = [&loop] { loop.quit(); };
            loop.exec();
            watch->afterCheck = nullptr;
        });
        std::printf("ready\n");
        std::fflush(stdout);
        if (seconds == 0) return;
        pause(seconds * 1000);
        std::ofstream out(ticksFile);
        watch->write(out);
        app.end();
    });
    return program.run();
}
