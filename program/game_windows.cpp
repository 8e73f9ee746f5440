#include "program/game_windows.h"

#include <memory>

#include "designs/form1_design.h"
#include "designs/form2_design.h"
#include "designs/frm_about_design.h"
#include "designs/frm_splash1_design.h"
#include "designs/frm_splash_design.h"
#include "game/form1.h"
#include "side_windows/form2.h"
#include "side_windows/frm_about.h"
#include "side_windows/frm_splash.h"
#include "side_windows/frm_splash1.h"

namespace klonkatron {
namespace {

// Registered by the name its design carries, so the name it is asked for by
// and the name it is found by are one.
template <class Window>
void add(forms::Application& app, const forms::FormDesign& design) {
    app.registerForm(design.name,
                     [](forms::Application& a) { return std::make_unique<Window>(a); });
}

}  // namespace

void registerWindows(forms::Application& app) {
    add<FrmSplash>(app, frmSplashDesign());
    add<Form1>(app, form1Design());
    add<FrmSplash1>(app, frmSplash1Design());
    add<FrmAbout>(app, frmAboutDesign());
    add<Form2>(app, form2Design());
    // The side windows reach back to the board: closed by the system, the
    // board takes the program with it.
    app.setMainForm(window::kBoard);
}

}  // namespace klonkatron
