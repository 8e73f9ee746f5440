#include "side_windows/frm_splash.h"

#include "designs/frm_splash_design.h"
#include "designs/window_names.h"

namespace klonkatron {

FrmSplash::FrmSplash(forms::Application& app)
    : Form(app, frmSplashDesign()), visit(get<forms::Label>("visit")) {
    onKeyPress = [this](int& keyAscii) { Form_KeyPress(keyAscii); };
    get<forms::Timer>("Timer1").onTimer = [this] { Timer1_Timer(); };
    get<forms::CommandButton>("Command1").onClick = [this] { Command1_Click(); };
}

// Any key that reaches the window by its key preview closes it; with no
// other window open, the program ends.
void FrmSplash::Form_KeyPress(int& /*keyAscii*/) { app().unload(*this); }

// The marquee: 135 twips to the right every tick; once past the window's
// right edge it starts again behind the picture.
void FrmSplash::Timer1_Timer() {
    if (visit.left() > 7400) visit.setLeft(720);
    visit.setLeft(visit.left() + 135);
}

// The splash goes first; showing the board then creates it and runs its
// load, which sets it up in its Welcome state.
void FrmSplash::Command1_Click() {
    app().unload(*this);
    app().show(window::kBoard);
}

}  // namespace klonkatron
