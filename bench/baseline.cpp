// The yardstick of the process-level figures: a bare Qt Widgets window of
// the board's size that runs the board's always-on timers (two of 1 ms, two
// of 1000 ms, all precise) and does nothing else. It prints "ready" a
// second after its window opened, when it runs as it will go on running.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdio>

#include "designs/form1_design.h"
#include "forms/geometry.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    const forms::FormDesign& board = klonkatron::form1Design();
    QWidget window;
    window.setFixedSize(forms::pixelsFromTwips(board.clientWidth),
                        forms::pixelsFromTwips(board.clientHeight));

    int ticks = 0;  // something for the ticks to do, so none is optimised away
    std::array<QTimer, 4> timers;
    const std::array<int, 4> intervals{1, 1, 1000, 1000};
    for (std::size_t i = 0; i < timers.size(); ++i) {
        timers[i].setTimerType(Qt::PreciseTimer);
        QObject::connect(&timers[i], &QTimer::timeout, [&ticks] { ++ticks; });
        timers[i].start(intervals[i]);
    }
    window.show();
    QTimer::singleShot(1000, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
