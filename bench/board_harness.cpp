// The game as the program runs it (real windows, the Qt backend, real time),
// played through its own rules to a level and then left running: what the
// process-level figures measure. Its command line and output are those of
// bench::BoardRun and bench::BoardSession.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "bench/board_session.h"
#include "program/qt_program.h"

namespace {

// Time passes in nested Qt event loops.
class QtEventLoop : public bench::EventLoop {
public:
    void runFor(int milliseconds) override {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }

    void runUntilCalled(std::function<void()>& quit) override {
        QEventLoop loop;
        quit = [&loop] { loop.quit(); };
        loop.exec();
        quit = nullptr;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    const auto run = bench::BoardRun::parse(argc, argv);
    if (!run) return 2;

    QApplication qtApp(argc, argv);
    klonkatron::QtProgram program;
    QtEventLoop loop;
    bench::BoardSession session(program.app(), *run, loop);
    QTimer::singleShot(0, [&session] { session.play(); });
    return program.run();
}
