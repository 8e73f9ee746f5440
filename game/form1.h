#pragma once

#include <array>

#include "forms/application.h"
#include "forms/form.h"

namespace klonkatron {

// The board window and its logic. Every piece of game state is a property
// of one of its controls; the handlers are named after control and event.
class Form1 : public forms::Form {
public:
    explicit Form1(forms::Application& app);

    // One of the nine places where computers pop up, with the picture holder
    // of its computer.
    struct Place {
        forms::Image& place;
        forms::Image& computer;
    };
    // The places by place number (1 first); the pop-up cycle visits them in
    // this order.
    [[nodiscard]] const std::array<Place, 9>& places() const { return places_; }

private:
    // A score at which the level rises, in the order the check tests them.
    struct Threshold {
        double score;
        int level;
        int timer1Interval;  // the pop-up timers' new pace...
        int timer2Interval;
        forms::Image& face;
        bool completesTheGame;  // ...unless the game ends here
    };

    // The lamp bar that belongs to a face of the kill-o-meter.
    struct Meter {
        forms::Image& face;
        forms::Image& bar;
    };

    void bindHandlers();

    // Game control
    void Form_Load();
    void Command3_Click();
    void Command2_Click();
    void mug_Click();
    void Timer8_Timer();
    void switchTimers1To4(bool enabled);

    // Pop-up cycle
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // Hitting
    void upleft_Click();
    void up_Click();
    void upright_Click();
    void leftt_Click();
    void middle_Click();
    void right_Click();
    void downleft_MouseDown();
    void down_MouseDown();
    void downright_MouseDown();
    void hit(forms::Image& place, const forms::Image& smashed);

    // Hammer pointer
    void lowerHammer();
    void raiseHammer();
    void Command3_MouseMove();
    void Command2_MouseMove();
    void Form_MouseMove();

    // Level progression
    forms::Task Timer4_Timer();
    forms::Task apply(const Threshold& threshold);

    // Game clock and end of game
    void Timer5_Timer();
    void Timer6_Timer();
    forms::Task Command1_Click();

    // Kill-o-meter
    void killometer_Timer();

    // Buttons
    forms::CommandButton& Command1;
    forms::CommandButton& Command2;
    forms::CommandButton& Command3;
    // State labels
    forms::Label& score;
    forms::Label& died;
    forms::Label& level;
    forms::Label& timescore;
    forms::Label& time;
    forms::Label& pauz;
    forms::Label& Label5;
    // The nine places
    forms::Image& upleft;
    forms::Image& up;
    forms::Image& upright;
    forms::Image& leftt;
    forms::Image& middle;
    forms::Image& right;
    forms::Image& downleft;
    forms::Image& down;
    forms::Image& downright;
    // The kill-o-meter
    forms::Image& mug;
    forms::Image& bar;
    // Picture holders
    forms::Image& ibm;
    forms::Image& ibm2;
    forms::Image& bang;
    forms::Image& bang2;
    forms::Image& ner;
    forms::Image& upp;
    // Timers
    forms::Timer& Timer1;
    forms::Timer& Timer2;
    forms::Timer& Timer3;
    forms::Timer& Timer4;
    forms::Timer& Timer5;
    forms::Timer& Timer6;
    forms::Timer& Timer8;
    forms::Timer& killometer;

    std::array<Place, 9> places_;
    std::array<Threshold, 9> thresholds_;
    std::array<Meter, 9> meters_;
};

// The place number that a random fraction 0 <= r < 1 draws: Int(r * 9) + 1,
// always from 1 to 9.
int placeNumber(float r);

}  // namespace klonkatron
