#pragma once

#include "forms/application.h"
#include "forms/form.h"

namespace klonkatron {

// The splash window: the program's first window. Its marquee runs until
// "&Ok!" leads to the board; a key press instead closes it, and with it the
// program, the board never made.
class FrmSplash : public forms::Form {
public:
    explicit FrmSplash(forms::Application& app);

private:
    void Form_KeyPress(int& keyAscii);
    void Timer1_Timer();
    void Command1_Click();

    forms::Label& visit;
};

}  // namespace klonkatron
