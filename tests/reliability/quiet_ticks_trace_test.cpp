// Resting timers change nothing a player could tell: whole games, played by
// a seeded random player once with quiet ticks and once with every tick
// delivered, leave the same trace of every change of a property, a window,
// a message box, a run-time error and the end, each at its moment of
// virtual time. A failure names the seed and the first line that differs;
// KLONKATRON_QUIET_SEED replays one game.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "designs/window_names.h"
#include "program/headless_program.h"

namespace {

namespace window = klonkatron::window;

using forms::Form;
using forms::Label;

constexpr int kGames = 1000;
constexpr std::array<double, 9> kThresholds{1000, 2000, 3000, 4000, 5000, 7000, 8000, 9000, 10000};
constexpr std::array<const char*, 9> kPlaces{"down",   "leftt",    "up",      "downright", "right",
                                             "upleft", "downleft", "upright", "middle"};

// Everything the program did that a player or the system could see, line by
// line; pictures named by the order they were first seen, since handles
// differ from run to run.
class Trace {
public:
    Trace(forms::Application& app, forms::headless::HeadlessBackend& backend) : backend_(backend) {
        app.observeState([this](const Form& form, const forms::Control* control) {
            add(control != nullptr ? form.name() + "." + describe(*control) : describe(form));
        });
        app.setErrorLog([this](const std::string& line) { add(line); });
    }

    void add(const std::string& what) {
        lines_.push_back(std::to_string(backend_.monotonicMicros()) + " " + what);
    }
    // Every property of every loaded window, for the end of a game.
    void addSnapshot(forms::Application& app) {
        for (const char* name : window::kAll) {
            const Form* form = app.find(name);
            if (form == nullptr) continue;
            add(describe(*form));
            for (const auto& control : form->controls()) add(describe(*control));
        }
    }
    [[nodiscard]] const std::vector<std::string>& lines() const { return lines_; }

private:
    std::string picture(const forms::Picture& picture) {
        const auto [it, added] = pictures_.try_emplace(picture.handle(), pictures_.size());
        return "picture " + std::to_string(it->second);
    }

    std::string describe(const Form& form) {
        const forms::Control* focused = form.focused();
        return form.name() + (form.isLoaded() ? " loaded" : " unloaded") +
               (form.isShown() ? " shown " : " hidden ") + picture(form.mouseIcon()) + " focus " +
               (focused != nullptr ? focused->name() : "-");
    }

    std::string describe(const forms::Control& c) {
        std::string text = c.name() + (c.visible() ? " visible" : " invisible") + " at " +
                           std::to_string(c.left());
        if (const auto* label = dynamic_cast<const forms::Label*>(&c)) {
            text += " \"" + label->caption() + "\"";
        } else if (const auto* image = dynamic_cast<const forms::Image*>(&c)) {
            text += " " + picture(image->picture());
        } else if (const auto* button = dynamic_cast<const forms::CommandButton*>(&c)) {
            text += " \"" + button->caption() + (button->bold() ? "\" bold" : "\"");
        } else if (const auto* box = dynamic_cast<const forms::TextBox*>(&c)) {
            text += " \"" + box->text() + "\"";
        } else if (const auto* timer = dynamic_cast<const forms::Timer*>(&c)) {
            text += (timer->enabled() ? " on " : " off ") + std::to_string(timer->interval());
        }
        return text;
    }

    forms::headless::HeadlessBackend& backend_;
    std::map<std::uint32_t, std::size_t> pictures_;
    std::vector<std::string> lines_;
};

// One whole game from the splash to its end, or to the player's last move.
class Game {
public:
    Game(std::uint32_t seed, bool quietTicks) : random_(seed), trace_(app(), backend()) {
        app().setQuietTicks(quietTicks);
        backend().answerUnscripted([this](const forms::MessageBoxRequest& box) {
            trace_.add("message box \"" + box.text + "\" titled \"" + box.title + "\"");
            // Time passes under some boxes, and the timers tick on under them.
            if (uniform(0, 2) == 0) driver().advance(uniform(0, 1500));
            return box.buttons == forms::MsgButtons::YesNo
                       ? (uniform(0, 1) == 0 ? forms::MsgResult::Yes : forms::MsgResult::No)
                       : forms::MsgResult::Ok;
        });
        // The time of day the game starts at seeds its random numbers.
        driver().advance(uniform(0, 86'399'999));
        program_.start();
    }

    void play() {
        const int moves = uniform(20, 400);
        for (int move = 0; move < moves && !backend().programHasEnded(); ++move) this->move();
        if (backend().programHasEnded()) {
            trace_.add("end");
        } else {
            trace_.add("last move");
            trace_.addSnapshot(app());
        }
    }

    [[nodiscard]] const Trace& trace() const { return trace_; }
    [[nodiscard]] int alarmsSet() { return backend().alarmsSet(); }

private:
    forms::Application& app() { return program_.app(); }
    forms::headless::HeadlessBackend& backend() { return program_.backend(); }
    forms::headless::TestDriver& driver() { return program_.driver(); }
    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    template <std::size_t N>
    const char* pick(const std::array<const char*, N>& names) {
        return names[static_cast<std::size_t>(uniform(0, N - 1))];
    }

    void passTime() {
        switch (uniform(0, 5)) {
            case 0:
                driver().advanceMicros(uniform(1, 999));  // within a millisecond
                break;
            case 1:
            case 2:
                driver().advance(uniform(0, 3));
                break;
            case 3:
            case 4:
                driver().advance(uniform(10, 400));
                break;
            default:
                driver().advance(uniform(500, 3500));
                break;
        }
    }

    void move() {
        const int roll = uniform(0, 99);
        if (roll < 35) return passTime();
        Form* board = app().find(window::kBoard);
        if (board == nullptr) return splashMove(roll);
        if (roll < 55) return strike();
        if (roll < 66) return mouse(*board);
        if (roll < 71) return driver().clickButton(window::kBoard, "Command3");
        if (roll < 73) return driver().clickButton(window::kBoard, "Command2");
        if (roll < 80) return sideWindowMove();
        if (roll < 85) {
            // Face clicks, often five in a row.
            for (int i = uniform(0, 1) == 0 ? 1 : 5; i > 0; --i)
                driver().clickAt(window::kBoard, "mug");
            return;
        }
        if (roll < 89) return key(window::kBoard);
        if (roll < 95) return nearThreshold(*board);
        if (roll < 97 && uniform(0, 9) == 0)
            return driver().clickButton(window::kBoard, "Command1");
        if (roll < 98 && uniform(0, 19) == 0) return app().closeRequested(*board);
        passTime();
    }

    void splashMove(int roll) {
        if (!app().isLoaded(window::kSplash)) return passTime();
        if (roll < 90) return driver().clickButton(window::kSplash, "Command1");
        key(window::kSplash);
    }

    // Hits on shown computers, several within one millisecond at times.
    void strike() {
        for (int hits = uniform(1, 3); hits > 0; --hits) {
            const Form* board = app().find(window::kBoard);
            if (board == nullptr) return;  // the game ended meanwhile
            std::vector<const char*> shown;
            for (const char* place : kPlaces)
                if (board->control(place).visible()) shown.push_back(place);
            const char* place = shown.empty() ? pick(kPlaces)
                                              : shown[static_cast<std::size_t>(uniform(
                                                    0, static_cast<int>(shown.size()) - 1))];
            driver().clickAt(window::kBoard, place);
            if (uniform(0, 1) == 0) driver().advanceMicros(uniform(0, 300));
        }
    }

    // Presses held across time, releases, moves over the board and buttons.
    void mouse(Form& board) {
        const forms::Point at{uniform(0, board.clientRect().width - 1),
                              uniform(0, board.clientRect().height - 1)};
        switch (uniform(0, 5)) {
            case 0:
                return driver().press(window::kBoard, at);
            case 1:
                return driver().release(window::kBoard, at);
            case 2:
                return driver().move(window::kBoard, at);
            case 3:
                return driver().moveOverButton(window::kBoard,
                                               uniform(0, 1) ? "Command2" : "Command3");
            default:
                return driver().click(window::kBoard, at,
                                      uniform(0, 3) == 0 ? forms::RightButton : forms::LeftButton);
        }
    }

    // The About, text and picture windows: their buttons, close boxes, keys.
    void sideWindowMove() {
        if (app().isLoaded(window::kPicture) && uniform(0, 1) == 0) {
            if (uniform(0, 2) == 0) return app().closeRequested(*app().find(window::kPicture));
            return driver().clickAt(window::kPicture, "Image1");
        }
        if (app().isLoaded(window::kAbout)) {
            Form& about = *app().find(window::kAbout);
            switch (uniform(0, 5)) {
                case 0:
                case 1:
                    return driver().clickButton(window::kAbout, "cmdOK");
                case 2:
                    return app().closeRequested(about);
                case 3:
                    return driver().clickAt(window::kAbout, "Image1");
                case 4:
                    return driver().clickButton(window::kAbout, "cmdSysInfo");
                default:
                    return key(window::kAbout);
            }
        }
        if (app().isLoaded(window::kText)) {
            if (uniform(0, 1) == 0) return driver().clickButton(window::kText, "Command1");
            if (uniform(0, 1) == 0) return app().closeRequested(*app().find(window::kText));
            return key(window::kText);
        }
    }

    void key(const char* name) {
        static constexpr std::array<int, 6> kKeys{
            forms::kKeyEnter, forms::kKeyEscape, ' ', 'S', 'P', 'A'};
        const auto k = kKeys[static_cast<std::size_t>(uniform(0, 5))];
        const bool alt = k >= 'A' && k <= 'Z';
        driver().pressKey(
            name, {k, alt ? 0 : static_cast<char32_t>(k), alt ? forms::AltKey : forms::NoShift});
    }

    // The score set next to a threshold between events, so that games meet
    // the thresholds and the end of the game often: a hit away, on it, or
    // past it (as a hit while the check is off would leave it).
    void nearThreshold(Form& board) {
        const double threshold = kThresholds[static_cast<std::size_t>(uniform(0, 8))];
        const double score = threshold + 100 * uniform(-1, 1);
        board.get<Label>("score").setNumber(score);
        board.get<Label>("died").setNumber(score / 100);
    }

    std::mt19937 random_;
    klonkatron::HeadlessProgram program_;
    Trace trace_;
};

std::uint32_t firstSeed() {
    const char* text = std::getenv("KLONKATRON_QUIET_SEED");
    return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : 1;
}

// The first line where two traces part, for the failure message.
std::string firstDifference(const std::vector<std::string>& quiet,
                            const std::vector<std::string>& every) {
    for (std::size_t i = 0; i < std::max(quiet.size(), every.size()); ++i) {
        const std::string a = i < quiet.size() ? quiet[i] : "(nothing)";
        const std::string b = i < every.size() ? every[i] : "(nothing)";
        if (a != b) return "line " + std::to_string(i) + ": quiet " + a + " | every tick " + b;
    }
    return {};
}

TEST(QuietTicks, WholeGamesLeaveTheSameTraceWithAndWithoutRestingTimers) {
    const bool replay = std::getenv("KLONKATRON_QUIET_SEED") != nullptr;
    const std::uint32_t first = firstSeed();
    long quietAlarms = 0;
    long everyAlarms = 0;
    std::size_t lines = 0;
    int ended = 0;
    for (std::uint32_t seed = first; seed < first + (replay ? 1 : kGames); ++seed) {
        Game quiet(seed, true);
        quiet.play();
        Game every(seed, false);
        every.play();
        ASSERT_EQ(quiet.trace().lines(), every.trace().lines())
            << "seed " << seed << ", "
            << firstDifference(quiet.trace().lines(), every.trace().lines());
        quietAlarms += quiet.alarmsSet();
        everyAlarms += every.alarmsSet();
        lines += quiet.trace().lines().size();
        ended += quiet.trace().lines().back().ends_with(" end") ? 1 : 0;
    }
    // The games did things, and resting timers spared most wake-ups.
    EXPECT_GT(lines, 100U * (replay ? 1 : kGames));
    EXPECT_LT(quietAlarms * 4, everyAlarms);
    if (!replay) {
        EXPECT_GT(ended, kGames / 10);
    }
}

}  // namespace
