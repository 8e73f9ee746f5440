#include "program/game_windows.h"

#include <memory>

#include "game/form1.h"
#include "side_windows/form2.h"
#include "side_windows/frm_about.h"
#include "side_windows/frm_splash.h"
#include "side_windows/frm_splash1.h"

namespace klonkatron {
namespace {

template <class Window>
void add(forms::Application& app, const char* name) {
    app.registerForm(name, [](forms::Application& a) { return std::make_unique<Window>(a); });
}

}  // namespace

void registerWindows(forms::Application& app) {
    add<FrmSplash>(app, "frmSplash");
    add<Form1>(app, "Form1");
    add<FrmSplash1>(app, "frmSplash1");
    add<FrmAbout>(app, "frmAbout");
    add<Form2>(app, "Form2");
    // The side windows reach back to the board: closed by the system, the
    // board takes the program with it.
    app.setMainForm("Form1");
}

}  // namespace klonkatron
