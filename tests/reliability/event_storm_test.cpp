// An event storm: a seeded random player sends a million events of every
// kind to every window across more than ten simulated hours, and the game's
// rules are checked after each one. A failure names the seed and the event,
// so that the run can be replayed with KLONKATRON_STORM_SEED.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "designs/window_names.h"
#include "program/headless_program.h"

namespace {

namespace window = klonkatron::window;

using forms::Form;
using forms::Label;

constexpr int kEvents = 1'000'000;
constexpr std::array<double, 9> kThresholds{1000, 2000, 3000, 4000, 5000, 7000, 8000, 9000, 10000};

std::uint32_t stormSeed() {
    const char* text = std::getenv("KLONKATRON_STORM_SEED");
    return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))
                           : 20261208U;
}

// What one event was, to judge how the program may have ended.
enum class Kind { Time, Mouse, BoardMouse, Button, Key, Close, BoardClose };

class Storm {
public:
    explicit Storm(std::uint32_t seed) : random_(seed) { newGame(); }

    void newGame() {
        program_ = std::make_unique<klonkatron::HeadlessProgram>();
        runtime_ = &program_->driver();
        runtime_->backend().answerUnscripted([this](const forms::MessageBoxRequest& box) {
            // The two designed ends that pass through a message box.
            if (box.text == "Klonkatron Compleeted" || box.text == "Have a nice day!")
                endingBoxShown_ = true;
            return box.buttons == forms::MsgButtons::YesNo ? forms::MsgResult::No
                                                           : forms::MsgResult::Ok;
        });
        program_->start();
        lastLevel_ = 1;
        heldOnBoard_ = 0;
        ++games_;
    }

    // Sends one random event and checks the rules; returns a failure text or "".
    std::string step() {
        Form* board = runtime_->app().find(window::kBoard);
        const bool boardWasLoaded = board != nullptr;
        const bool bannerShown = board != nullptr && label(*board, "pauz").visible();
        const double scoreBefore = board != nullptr ? label(*board, "score").number() : 0;
        endingBoxShown_ = false;
        const bool heldBefore = heldOnBoard_ != 0;

        const Kind kind = send();

        if (runtime_->backend().programHasEnded()) {
            const bool designedEnd = endingBoxShown_ || kind == Kind::BoardClose || !boardWasLoaded;
            if (!designedEnd) return "the program ended outside the designed ends";
            newGame();
            return {};
        }
        if (runtime_->app().errorCount() != 0) {
            return "a run-time error escaped a handler: " +
                   std::string(runtime_->app().lastError()->what());
        }
        board = runtime_->app().find(window::kBoard);
        if (board == nullptr) return {};
        const double score = label(*board, "score").number();
        if (score != 100 * label(*board, "died").number()) return "score is not 100 times died";
        // A press that joins buttons held down since before the banner came
        // still reaches the control they went down on, as captured presses do.
        if (kind == Kind::BoardMouse && bannerShown && !heldBefore && score != scoreBefore)
            return "a strike scored through the banner";
        const int level = static_cast<int>(label(*board, "level").number());
        if (level != lastLevel_) {
            if (kind != Kind::Time) return "the level changed without a tick of the check";
            if (level < lastLevel_) return "the level went down";
            if (score != kThresholds.at(static_cast<size_t>(level - 2)))
                return "level " + std::to_string(level) + " at a score of " + std::to_string(score);
            lastLevel_ = level;
        }
        return {};
    }

    [[nodiscard]] std::int64_t simulatedMilliseconds() const { return simulated_; }
    [[nodiscard]] int games() const { return games_; }

private:
    static Label& label(Form& form, const char* name) { return form.get<Label>(name); }

    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    // A loaded window, any of them.
    Form& anyWindow() {
        static constexpr std::array<const char*, 5> kNames{
            window::kBoard, window::kSplash, window::kText, window::kAbout, window::kPicture};
        for (;;) {
            if (Form* form = runtime_->app().find(kNames[uniform(0, 4)])) return *form;
        }
    }

    Kind send() {
        auto& rt = *runtime_;
        const int roll = uniform(0, 999);
        if (roll < 300) {
            const int ms = uniform(1, 250);
            simulated_ += ms;
            rt.advance(ms);
            return Kind::Time;
        }
        Form& form = anyWindow();
        const std::string name = form.name();
        const bool onBoard = name == window::kBoard;
        if (roll < 650) {
            // Mostly inside the window, sometimes just outside it.
            const forms::Point at{uniform(-300, form.clientRect().width + 300),
                                  uniform(-300, form.clientRect().height + 300)};
            const int button = std::array{forms::LeftButton, forms::RightButton,
                                          forms::MiddleButton}[uniform(0, 2)];
            const bool inside = form.clientRect().contains(at);
            switch (uniform(0, 3)) {
                case 0:
                    if (onBoard && (inside || heldOnBoard_ != 0)) heldOnBoard_ |= button;
                    rt.press(name, at, button);
                    break;
                case 1:
                    if (onBoard) heldOnBoard_ &= ~button;
                    rt.release(name, at, button);
                    break;
                case 2:
                    rt.move(name, at, uniform(0, 7));
                    break;
                default:
                    rt.click(name, at, button);
                    break;
            }
            return onBoard ? Kind::BoardMouse : Kind::Mouse;
        }
        if (roll < 750) {
            // The board's places and face, where strikes and counts happen.
            if (Form* board = rt.app().find(window::kBoard)) {
                static constexpr std::array<const char*, 10> kTargets{
                    "upleft", "up",       "upright", "leftt",     "middle",
                    "right",  "downleft", "down",    "downright", "mug"};
                rt.clickAt(board->name(), kTargets[uniform(0, 9)]);
                return Kind::BoardMouse;
            }
            return Kind::Mouse;
        }
        if (roll < 880) {
            std::vector<forms::CommandButton*> buttons;
            for (const auto& control : form.controls())
                if (auto* b = dynamic_cast<forms::CommandButton*>(control.get()))
                    buttons.push_back(b);
            if (buttons.empty()) return Kind::Mouse;
            forms::CommandButton& b =
                *buttons[static_cast<size_t>(uniform(0, static_cast<int>(buttons.size()) - 1))];
            const bool exit = onBoard && b.name() == "Command1";
            if (exit && uniform(0, 499) != 0) return Kind::Mouse;  // leave now and then only
            rt.clickButton(name, b.name());
            return Kind::Button;
        }
        if (roll < 999) {
            static constexpr std::array<int, 6> kSpecial{
                forms::kKeyEnter, forms::kKeyEscape, ' ', 'S', 'P', 'O'};
            const int pick = uniform(0, 9);
            forms::KeyEvent key;
            if (pick < 6) {
                key = {kSpecial[pick], pick < 3 ? static_cast<char32_t>(kSpecial[pick]) : 0,
                       pick >= 3 ? forms::AltKey : forms::NoShift};
            } else {
                const char c = static_cast<char>(uniform('a', 'z'));
                key = {c - 'a' + 'A', static_cast<char32_t>(c), forms::NoShift};
            }
            rt.pressKey(name, key);
            return Kind::Key;
        }
        rt.app().closeRequested(form);
        return onBoard ? Kind::BoardClose : Kind::Close;
    }

    std::unique_ptr<klonkatron::HeadlessProgram> program_;
    forms::headless::TestDriver* runtime_ = nullptr;
    std::mt19937 random_;
    std::int64_t simulated_ = 0;
    int lastLevel_ = 1;
    int heldOnBoard_ = 0;  // mouse buttons held down on the board
    int games_ = 0;
    bool endingBoxShown_ = false;
};

TEST(EventStorm, AMillionRandomEventsKeepTheRules) {
    const std::uint32_t seed = stormSeed();
    Storm storm(seed);
    for (int event = 0; event < kEvents; ++event) {
        std::string failure;
        try {
            failure = storm.step();
        } catch (const std::exception& e) {
            failure = std::string("an exception escaped: ") + e.what();
        }
        ASSERT_TRUE(failure.empty()) << failure << " (seed " << seed << ", event " << event
                                     << "; replay with KLONKATRON_STORM_SEED=" << seed << ")";
    }
    EXPECT_GT(storm.simulatedMilliseconds(), std::int64_t{10} * 3'600'000);
    RecordProperty("games", storm.games());
}

}  // namespace
