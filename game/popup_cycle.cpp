// The pop-up cycle: Timer1 shows a computer at a random place, Timer2 hides
// all nine, Timer3 raises the hammer again.
#include <algorithm>
#include <cmath>

#include "game/form1.h"

namespace klonkatron {

int placeNumber(float r) {
    // In double precision r * 9 stays below 9 for every r below 1 (in single
    // precision it can round up to 9, and no place would show); the clamp
    // keeps the number in range whatever the generator yields.
    const int n = static_cast<int>(std::floor(static_cast<double>(r) * 9.0)) + 1;
    return std::clamp(n, 1, 9);
}

void Form1::Timer1_Timer() {
    for (const Place& p : places_) p.place.setPicture(p.computer.picture());
    const int n = placeNumber(app().rnd());
    places_[n - 1].place.setVisible(true);
}

void Form1::Timer2_Timer() {
    for (const Place& p : places_) p.place.setVisible(false);
}

void Form1::Timer3_Timer() { raiseHammer(); }

}  // namespace klonkatron
