#include "game/form1.h"

#include "designs/form1_design.h"

namespace klonkatron {

using forms::CommandButton;
using forms::Image;
using forms::Label;
using forms::Timer;

namespace {

// The board's mouse handlers ignore the button, shift state and position.
template <class F>
forms::MouseHandler ignoringEvent(F handler) {
    return [handler](const forms::MouseEvent& /*event*/) { handler(); };
}

}  // namespace

Form1::Form1(forms::Application& app)
    : Form(app, form1Design()),
      Command1(get<CommandButton>("Command1")),
      Command2(get<CommandButton>("Command2")),
      Command3(get<CommandButton>("Command3")),
      score(get<Label>("score")),
      died(get<Label>("died")),
      level(get<Label>("level")),
      timescore(get<Label>("timescore")),
      time(get<Label>("time")),
      pauz(get<Label>("pauz")),
      Label5(get<Label>("Label5")),
      upleft(get<Image>("upleft")),
      up(get<Image>("up")),
      upright(get<Image>("upright")),
      leftt(get<Image>("leftt")),
      middle(get<Image>("middle")),
      right(get<Image>("right")),
      downleft(get<Image>("downleft")),
      down(get<Image>("down")),
      downright(get<Image>("downright")),
      mug(get<Image>("mug")),
      bar(get<Image>("bar")),
      ibm(get<Image>("ibm")),
      ibm2(get<Image>("ibm2")),
      bang(get<Image>("bang")),
      bang2(get<Image>("bang2")),
      ner(get<Image>("ner")),
      upp(get<Image>("upp")),
      Timer1(get<Timer>("Timer1")),
      Timer2(get<Timer>("Timer2")),
      Timer3(get<Timer>("Timer3")),
      Timer4(get<Timer>("Timer4")),
      Timer5(get<Timer>("Timer5")),
      Timer6(get<Timer>("Timer6")),
      Timer8(get<Timer>("Timer8")),
      killometer(get<Timer>("killometer")),
      places_{{
          {down, ibm2},
          {leftt, ibm},
          {up, ibm},
          {downright, ibm2},
          {right, ibm},
          {upleft, ibm2},
          {downleft, ibm},
          {upright, ibm},
          {middle, ibm2},
      }},
      thresholds_{{
          {1000, 2, 2000, 2500, get<Image>("tjugo"), false},
          {2000, 3, 1000, 1500, get<Image>("trettio"), false},
          {3000, 4, 1000, 1500, get<Image>("förtio"), false},
          {4000, 5, 1000, 1500, get<Image>("femtio"), false},
          {5000, 6, 500, 600, get<Image>("sextio"), false},
          {7000, 7, 250, 350, get<Image>("sjuttio"), false},
          {8000, 8, 150, 250, get<Image>("åttio"), false},
          {9000, 9, 50, 150, get<Image>("nittio"), false},
          {10000, 10, 0, 0, get<Image>("hundra"), true},
      }},
      meters_{{
          {get<Image>("tjugo"), get<Image>("two")},
          {get<Image>("trettio"), get<Image>("three")},
          {get<Image>("förtio"), get<Image>("four")},
          {get<Image>("femtio"), get<Image>("five")},
          {get<Image>("sextio"), get<Image>("six")},
          {get<Image>("sjuttio"), get<Image>("seven")},
          {get<Image>("åttio"), get<Image>("eight")},
          {get<Image>("nittio"), get<Image>("nine")},
          {get<Image>("hundra"), get<Image>("ten")},
      }} {
    bindHandlers();
}

void Form1::bindHandlers() {
    // Game control
    onLoad = [this] { Form_Load(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    mug.onClick = [this] { mug_Click(); };
    Timer8.onTimer = [this] { Timer8_Timer(); };

    // Pop-up cycle
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };

    // Hitting: the upper two rows score on a click, the bottom row as soon
    // as a button goes down.
    upleft.onClick = [this] { upleft_Click(); };
    up.onClick = [this] { up_Click(); };
    upright.onClick = [this] { upright_Click(); };
    leftt.onClick = [this] { leftt_Click(); };
    middle.onClick = [this] { middle_Click(); };
    right.onClick = [this] { right_Click(); };
    downleft.onMouseDown = ignoringEvent([this] { downleft_MouseDown(); });
    down.onMouseDown = ignoringEvent([this] { down_MouseDown(); });
    downright.onMouseDown = ignoringEvent([this] { downright_MouseDown(); });

    // Hammer pointer: down at a press, up at the release. The middle row
    // leaves the hammer down; the bottom row strikes again on the click.
    const auto lower = ignoringEvent([this] { lowerHammer(); });
    const auto raise = ignoringEvent([this] { raiseHammer(); });
    for (forms::Image* place : {&upleft, &up, &upright}) {
        place->onMouseDown = lower;
        place->onMouseUp = raise;
    }
    for (forms::Image* place : {&leftt, &middle, &right}) place->onMouseDown = lower;
    for (forms::Image* place : {&downleft, &down, &downright}) {
        place->onMouseUp = raise;
        place->onClick = [this] { lowerHammer(); };
    }
    for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7",
                             "Image8", "Image9", "Image10"}) {
        control(name).onMouseDown = lower;
        control(name).onMouseUp = raise;
    }
    onMouseDown = lower;
    onMouseUp = raise;
    Command3.onMouseMove = ignoringEvent([this] { Command3_MouseMove(); });
    Command2.onMouseMove = ignoringEvent([this] { Command2_MouseMove(); });
    onMouseMove = ignoringEvent([this] { Form_MouseMove(); });

    // Level progression
    Timer4.onTimer = [this] { return Timer4_Timer(); };

    // Game clock and end of game
    Timer5.onTimer = [this] { Timer5_Timer(); };
    Timer6.onTimer = [this] { Timer6_Timer(); };
    Command1.onClick = [this] { return Command1_Click(); };

    // Kill-o-meter
    killometer.onTimer = [this] { killometer_Timer(); };
}

}  // namespace klonkatron
