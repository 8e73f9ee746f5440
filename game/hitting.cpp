// Hitting: a strike on a shown computer smashes it and scores 100 points.
// Nothing checks what the place shows: whatever reaches a place's handler
// is a hit, and the banner in front of the board keeps strikes away.
#include "game/form1.h"

namespace klonkatron {

void Form1::upleft_Click() { hit(upleft, bang2); }
void Form1::up_Click() { hit(up, bang); }
void Form1::upright_Click() { hit(upright, bang); }
void Form1::leftt_Click() { hit(leftt, bang); }
void Form1::middle_Click() { hit(middle, bang2); }
void Form1::right_Click() { hit(right, bang); }

void Form1::downleft_MouseDown() { hit(downleft, bang); }

void Form1::down_MouseDown() {
    lowerHammer();
    hit(down, bang2);
}

void Form1::downright_MouseDown() { hit(downright, bang2); }

void Form1::hit(forms::Image& place, const forms::Image& smashed) {
    place.setPicture(smashed.picture());
    score.setNumber(score.number() + 100);
    died.setNumber(died.number() + 1);
}

}  // namespace klonkatron
