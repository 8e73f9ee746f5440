#include "startup/windows.h"

#include <memory>

#include "game/form1.h"
#include "startup/frm_splash1.h"

namespace klonkatron {

void registerWindows(forms::Application& app) {
    app.registerForm("Form1", [](forms::Application& a) { return std::make_unique<Form1>(a); });
    app.registerForm("frmSplash1",
                     [](forms::Application& a) { return std::make_unique<FrmSplash1>(a); });
}

}  // namespace klonkatron
