#include "side_windows/frm_splash1.h"

#include "designs/frm_splash1_design.h"

namespace klonkatron {

FrmSplash1::FrmSplash1(forms::Application& app) : Form(app, frmSplash1Design()) {
    get<forms::CommandButton>("Command1").onClick = [this] { Command1_Click(); };
}

void FrmSplash1::Command1_Click() { app().unload(*this); }

}  // namespace klonkatron
