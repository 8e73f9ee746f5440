#include "side_windows/frm_about.h"

#include "designs/frm_about_design.h"
#include "designs/window_names.h"

namespace klonkatron {

FrmAbout::FrmAbout(forms::Application& app) : Form(app, frmAboutDesign()) {
    get<forms::CommandButton>("cmdOK").onClick = [this] { cmdOK_Click(); };
    get<forms::CommandButton>("cmdSysInfo").onClick = [this] { return cmdSysInfo_Click(); };
    get<forms::Image>("Image1").onClick = [this] { Image1_Click(); };
}

// The board's About button stopped all five play timers; OK starts the
// pop-up timers again but leaves the game clock Timer5, the banner and the
// start button as they are. Only the board opens this window, so the board
// is there; should it not be, nothing is made anew for it.
void FrmAbout::cmdOK_Click() {
    if (forms::Form* board = app().find(window::kBoard)) {
        for (const char* name : {"Timer1", "Timer2", "Timer3", "Timer4"}) {
            auto& timer = board->get<forms::Timer>(name);
            if (!timer.enabled()) timer.setEnabled(true);
        }
    }
    app().unload(*this);
}

void FrmAbout::Image1_Click() { app().show(window::kPicture); }

}  // namespace klonkatron
