// How fast the headless backend plays the game: a whole game in virtual
// time, raised through play to level 9, the fastest, then ten minutes of
// play at that pace, then the last strikes to the completion at 10000
// points. The figure is simulated seconds per wall-clock second.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/player.h"
#include "designs/window_names.h"
#include "program/headless_program.h"

namespace {

constexpr int kFastestLevel = 9;
constexpr std::int64_t kMillisecondsAtFastest = 10 * 60 * 1000;

void wholeGameAtFastestLevel(benchmark::State& state) {
    for (auto _ : state) {
        const auto wallStart = std::chrono::steady_clock::now();
        klonkatron::HeadlessProgram program;
        forms::headless::TestDriver& runtime = program.driver();
        runtime.backend().answerUnscripted(
            [](const forms::MessageBoxRequest&) { return forms::MsgResult::Ok; });
        runtime.app().show(klonkatron::window::kBoard);
        bench::Player player(runtime.app());
        player.click(klonkatron::window::kBoard, "Command3");
        const auto oneCheck = [&runtime](bool) { runtime.advance(1); };
        player.raiseTo(kFastestLevel, oneCheck);
        runtime.advance(kMillisecondsAtFastest);
        player.raiseTo(kFastestLevel + 1, oneCheck);
        if (!runtime.backend().programHasEnded()) state.SkipWithError("the game did not end");

        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
        const double simulated = static_cast<double>(runtime.elapsedMilliseconds()) / 1000.0;
        state.counters["simulated_s"] = simulated;
        state.counters["simulated_s_per_s"] = simulated / wall.count();
    }
}
BENCHMARK(wholeGameAtFastestLevel)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
