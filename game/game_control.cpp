// Game control: the board's load, starting, pausing and resuming with
// Command3, stopping play for the About window, and the hidden counter of
// clicks on the face.
#include "designs/form1_design.h"
#include "designs/window_names.h"
#include "game/form1.h"

namespace klonkatron {

void Form1::Form_Load() {
    app().randomize(app().secondsSinceMidnight());
    switchTimers1To4(false);
    pauz.setVisible(true);
    Timer5.setEnabled(false);
}

void Form1::switchTimers1To4(bool enabled) {
    Timer1.setEnabled(enabled);
    Timer2.setEnabled(enabled);
    Timer3.setEnabled(enabled);
    Timer4.setEnabled(enabled);
}

void Form1::Command3_Click() {
    if (Command3.caption() == "&Start New Game") {
        Command3.setCaption("&Pause");
        pauz.setCaption(kPausedBanner);
    }
    // The banner alone decides: shown means play is stopped.
    if (pauz.visible()) {
        switchTimers1To4(true);
        pauz.setVisible(false);
        Timer5.setEnabled(true);
    } else {
        switchTimers1To4(false);
        pauz.setVisible(true);
        Timer5.setEnabled(false);
    }
}

void Form1::Command2_Click() {
    switchTimers1To4(false);
    Timer5.setEnabled(false);
    app().show(window::kAbout);
}

void Form1::mug_Click() { Label5.setNumber(Label5.number() + 1); }

void Form1::Timer8_Timer() {
    if (Label5.caption() == "5") {
        Label5.setCaption("0");
        app().show(window::kText);
    }
}

}  // namespace klonkatron
