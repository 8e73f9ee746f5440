// The game clock and the end of the game: the seconds of play, the day and
// time, and the Exit button that sets the score against the seconds.
#include <string>

#include "designs/program.h"
#include "forms/caption_number.h"
#include "game/form1.h"

namespace klonkatron {

void Form1::Timer5_Timer() { timescore.setNumber(timescore.number() + 1); }

void Form1::Timer6_Timer() { time.setCaption(app().format(app().now(), "dddd, hh:mm")); }

forms::Task Form1::Command1_Click() {
    const bool playedLongEnough = timescore.number() > 1;
    const bool scored = score.number() > 1;
    if (playedLongEnough && scored) {
        // The captions are read again as the text is built.
        const std::string text = "Your total score was: " + score.caption() + " - " +
                                 timescore.caption() + "= " +
                                 forms::formatNumber(score.number() - timescore.number()) + "!";
        co_await app().msgBox(text, forms::MsgButtons::Ok, forms::MsgIcon::Information,
                              "Your Score...");
    }
    // Either answer leads to the end.
    co_await app().msgBox("Have a nice day!", forms::MsgButtons::YesNo, forms::MsgIcon::None,
                          kProgramTitle);
    app().end();
}

}  // namespace klonkatron
