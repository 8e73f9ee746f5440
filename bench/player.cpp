#include "bench/player.h"

#include <stdexcept>
#include <string>

#include "designs/window_names.h"

namespace bench {

klonkatron::Form1& Player::board() const {
    auto* board = dynamic_cast<klonkatron::Form1*>(app_.find(klonkatron::window::kBoard));
    if (board == nullptr) throw std::logic_error("the board is not open");
    return *board;
}

int Player::level() const { return static_cast<int>(board().get<forms::Label>("level").number()); }

bool Player::strikeShownPlace() {
    klonkatron::Form1& form = board();
    for (const auto& p : form.places()) {
        if (!p.place.visible()) continue;
        const forms::Point centre = p.place.bounds().centre();
        const double x = static_cast<double>(centre.x) / forms::kTwipsPerPixel;
        const double y = static_cast<double>(centre.y) / forms::kTwipsPerPixel;
        app_.mousePress(form, x, y, forms::LeftButton, forms::NoShift);
        app_.mouseRelease(form, x, y, forms::LeftButton, forms::NoShift);
        return true;
    }
    return false;
}

void Player::raiseTo(int wanted, const std::function<void(bool)>& letTimeRun) {
    // One strike per check: every score on the way is seen, so no threshold
    // is passed over. A strike that missed changed nothing the check reads,
    // so the check would not run for it.
    while (!app_.ended() && level() < wanted) {
        const std::string before = board().get<forms::Label>("score").caption();
        strikeShownPlace();
        letTimeRun(!app_.ended() && board().get<forms::Label>("score").caption() != before);
    }
}

void Player::click(std::string_view form, std::string_view button) {
    forms::Form* window = app_.find(form);
    if (window == nullptr) throw std::logic_error("window not open: " + std::string(form));
    app_.buttonClick(window->get<forms::CommandButton>(button));
}

}  // namespace bench
