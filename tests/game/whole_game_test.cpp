// A whole game from the first click to 10000 points, played by a player who
// strikes every intact computer the moment it shows.
#include <tuple>

#include "designs/window_names.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

using WholeGame = Board;

TEST_F(WholeGame, AKeenPlayerCompletesTheGameOnce) {
    using Pace = std::tuple<std::string, int, int>;  // level, Timer1, Timer2
    std::vector<Pace> paces;
    const auto pace = [this] {
        return Pace{label("level").caption(), timer("Timer1").interval(),
                    timer("Timer2").interval()};
    };

    int completions = 0;
    runtime.backend().expectMessageBox(
        {"Klonkatron Compleeted", "Congratulations", forms::MsgButtons::Ok, forms::MsgIcon::None},
        forms::MsgResult::Ok, [&] {
            ++completions;
            paces.push_back(pace());
        });

    clickButton("Command3");
    paces.push_back(pace());
    std::int64_t elapsed = 0;
    while (!runtime.backend().programHasEnded()) {
        ASSERT_LT(elapsed, 3'600'000) << "an hour without completing";
        for (const auto& p : board().places()) {
            if (p.place.visible() && p.place.pictureHandle() == p.computer.pictureHandle())
                runtime.clickAt(window::kBoard, p.place.name());
        }
        ASSERT_EQ(label("score").number(), 100 * label("died").number());
        advance(1);
        ++elapsed;
        if (!runtime.backend().programHasEnded() && pace() != paces.back()) paces.push_back(pace());
    }

    const std::vector<Pace> expected{{"1", 3000, 3500}, {"2", 2000, 2500}, {"3", 1000, 1500},
                                     {"4", 1000, 1500}, {"5", 1000, 1500}, {"6", 500, 600},
                                     {"7", 250, 350},   {"8", 150, 250},   {"9", 50, 150},
                                     {"10", 50, 150}};
    EXPECT_EQ(paces, expected);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(runtime.backend().shownMessageBoxes().size(), 1U);
}

}  // namespace
}  // namespace klonkatron::testing
