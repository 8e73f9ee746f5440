#include "side_windows/form2.h"

#include "designs/form2_design.h"

namespace klonkatron {

Form2::Form2(forms::Application& app) : Form(app, form2Design()) {
    get<forms::Image>("Image1").onClick = [this] { Image1_Click(); };
}

// The photograph covers the whole window: a click anywhere lands here.
void Form2::Image1_Click() { app().unload(*this); }

}  // namespace klonkatron
