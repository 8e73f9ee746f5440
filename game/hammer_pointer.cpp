// The hammer pointer and the emphasis of the two text buttons under the
// pointer. Which events lower and raise the hammer is bound with the
// handlers; Timer3 of the pop-up cycle raises it again while play runs.
#include "game/form1.h"

namespace klonkatron {

void Form1::lowerHammer() { setMouseIcon(ner.picture()); }

void Form1::raiseHammer() { setMouseIcon(upp.picture()); }

void Form1::Command3_MouseMove() {
    Command3.setBold(true);
    Command2.setBold(false);
}

void Form1::Command2_MouseMove() {
    Command3.setBold(false);
    Command2.setBold(true);
}

void Form1::Form_MouseMove() {
    Command3.setBold(false);
    Command2.setBold(false);
}

}  // namespace klonkatron
