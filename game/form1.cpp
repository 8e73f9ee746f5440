#include "game/form1.h"

#include "windows/form1_design.h"

namespace klonkatron {

using forms::CommandButton;
using forms::Image;
using forms::Label;
using forms::Timer;

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
      }} {
    bindHandlers();
}

void Form1::bindHandlers() {
    onLoad = [this] { Form_Load(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    mug.onClick = [this] { mug_Click(); };
    Timer8.onTimer = [this] { Timer8_Timer(); };

    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

}  // namespace klonkatron
