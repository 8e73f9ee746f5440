// What the board costs in the real Qt backend, in process: a strike from the
// mouse press to the repaint request, one level check, and one paint of the
// whole board at 1x and 2x. The windows are real widgets on the offscreen
// platform; the event loop does not run, so no timer ticks in between.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <memory>

#include "backends/qt/form_window.h"
#include "designs/window_names.h"
#include "game/form1.h"
#include "program/qt_program.h"

namespace {

// The board open in its real window, a game started.
class RunningBoard {
public:
    RunningBoard() {
        app.show(klonkatron::window::kBoard);
        app.buttonClick(board().get<forms::CommandButton>("Command3"));
        window = forms::qt::windowOf(board());
    }
    ~RunningBoard() {
        app.end();
        QApplication::processEvents();
    }
    RunningBoard(const RunningBoard&) = delete;
    RunningBoard& operator=(const RunningBoard&) = delete;

    [[nodiscard]] klonkatron::Form1& board() const {
        return dynamic_cast<klonkatron::Form1&>(*app.find(klonkatron::window::kBoard));
    }

    klonkatron::QtProgram program{klonkatron::SystemChoice::Unavailable};
    forms::Application& app = program.app();
    forms::qt::FormWindow* window = nullptr;
};

// The front row counts on the press: the press alone is the whole strike.
void pressToRepaintRequest(benchmark::State& state) {
    RunningBoard running;
    klonkatron::Form1& board = running.board();
    const klonkatron::Form1::Place& down = board.places()[0];
    auto& score = board.get<forms::Label>("score");
    const QPointF centre(down.place.bounds().centre().x / double{forms::kTwipsPerPixel},
                         down.place.bounds().centre().y / double{forms::kTwipsPerPixel});
    QMouseEvent press(QEvent::MouseButtonPress, centre, running.window->mapToGlobal(centre),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, running.window->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    for (auto _ : state) {
        // A fresh computer under a raised hammer, as the pop-up cycle leaves it.
        state.PauseTiming();
        QApplication::sendEvent(running.window, &release);
        down.place.setPicture(down.computer.picture());
        down.place.setVisible(true);
        board.setMouseIcon(board.get<forms::Image>("upp").picture());
        score.setCaption("0");
        state.ResumeTiming();
        QApplication::sendEvent(running.window, &press);
    }
}
BENCHMARK(pressToRepaintRequest);

// Off a threshold the check compares only; on one it applies the row again.
void levelCheck(benchmark::State& state) {
    RunningBoard running;
    klonkatron::Form1& board = running.board();
    board.get<forms::Label>("score").setNumber(static_cast<double>(state.range(0)));
    forms::Timer& check = board.get<forms::Timer>("Timer4");
    for (auto _ : state) running.app.dispatch(board, check.onTimer, {"Timer", &check});
}
BENCHMARK(levelCheck)->ArgName("score")->Arg(100)->Arg(9000);

// The whole window with its buttons, as a full repaint draws it.
void paintBoard(benchmark::State& state) {
    RunningBoard running;
    const qreal ratio = static_cast<qreal>(state.range(0));
    QImage image(running.window->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        running.window->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintBoard)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
