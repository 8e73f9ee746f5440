// Level progression: at exact scores the level rises, the pop-up timers
// speed up and the face gets happier; at 10000 points the game is complete.
#include "game/form1.h"

namespace klonkatron {

forms::Task Form1::Timer4_Timer() {
    // Exact equality only: a score that has moved past a threshold, or passed
    // it while the check was off, no longer counts. No two rows share a
    // score. Only a tick on a threshold starts a waiting handler, so the
    // thousand ticks a second off them cost no coroutine.
    const double reached = score.number();
    for (const Threshold& threshold : thresholds_) {
        if (reached == threshold.score) return apply(threshold);
    }
    return {};
}

forms::Task Form1::apply(const Threshold& threshold) {
    if (!threshold.completesTheGame) {
        Timer1.setInterval(threshold.timer1Interval);
        Timer2.setInterval(threshold.timer2Interval);
    }
    level.setNumber(threshold.level);
    mug.setPicture(threshold.face.picture());
    if (threshold.completesTheGame) {
        co_await app().msgBox("Klonkatron Compleeted", forms::MsgButtons::Ok, forms::MsgIcon::None,
                              "Congratulations");
        app().end();
    }
}

}  // namespace klonkatron
