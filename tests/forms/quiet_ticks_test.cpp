// Quiet ticks: a timer whose tick read only the windows and changed nothing
// rests until the state changes, and then ticks on its own grid as if it had
// ticked all along. Each case runs with quiet ticks on and off and expects
// the same changes at the same moments; with them on, it also expects the
// wake-ups spared.

#include <map>
#include <string>
#include <vector>

#include "forms_fixture.h"

namespace coretest {
namespace {

class QuietTicksTest : public FormsTest, public ::testing::WithParamInterface<bool> {
protected:
    // Window "W": labels In, Out and Out2, a text box, a button "Go" whose
    // click runs `onGo`, and the timers given, whose handlers are `onTick`.
    void SetUp() override {
        app().setQuietTicks(quiet());
        app().observeState([this](const Form& form, const Control* control) {
            if (control != nullptr && control->name().starts_with("Out")) {
                note(control->name() + "=" + dynamic_cast<const Label*>(control)->caption() + "@" +
                     std::to_string(backend().monotonicMicros()));
            }
            (void)form;
        });
        addForm(window("Keep"));
        app().load("Keep");
    }
    void addTimers(std::vector<TimerDesign> timers) {
        std::vector<ControlDesign> controls{
            button("Go"), label("In", 0, 0, 100, 100), label("Out", 0, 200, 100, 100),
            label("Out2", 0, 400, 100, 100), TextBoxDesign{.name = "Text", .tabIndex = 1}};
        for (auto& t : timers) controls.emplace_back(std::move(t));
        addForm(window("W", std::move(controls)), [this](Form& form) {
            for (const auto& control : form.controls()) {
                if (auto* t = dynamic_cast<Timer*>(control.get())) {
                    t->onTimer = [this, t] {
                        ++ticks[t->name()];
                        const Handler& handler = onTick[t->name()];
                        return handler ? handler() : Task{};
                    };
                }
            }
            form.control("Go").onClick = [this] { return onGo(); };
        });
        app().load("W");
    }
    [[nodiscard]] bool quiet() const { return GetParam(); }
    Label& labelOf(const std::string& name) { return rt().form("W").get<Label>(name); }
    Timer& timer(const std::string& name) { return rt().form("W").get<Timer>(name); }
    // A handler that reads the windows only: copies In into a label.
    Handler copyInto(const std::string& out) {
        return [this, out] { labelOf(out).setCaption(labelOf("In").caption()); };
    }

    std::map<std::string, Handler> onTick;
    std::map<std::string, int> ticks;  // delivered, for the wake-ups spared
    Handler onGo = [] {};
};

TEST_P(QuietTicksTest, ARestingTimerTicksOnItsOwnGridOnceTheStateChanges) {
    addTimers({{"C", 300}});
    onTick["C"] = copyInto("Out");
    onGo = [this] { labelOf("In").setCaption("a"); };
    rt().advance(1000);
    if (quiet()) {
        EXPECT_EQ(ticks["C"], 1);  // at 300; nothing to wake for since
        EXPECT_EQ(backend().alarm(), std::nullopt);
    }
    rt().clickButton("W", "Go");
    if (quiet()) {
        EXPECT_EQ(backend().alarm(), 1'200'000);
    }
    rt().advance(2000);
    EXPECT_EQ(log_, (Log{"Out=a@1200000"}));
    if (quiet()) {
        EXPECT_EQ(ticks["C"], 3);
    }  // at 300, 1200 (a change) and 1500
}

TEST_P(QuietTicksTest, ATickOfTheSameMomentSeesTheChangeOfAnEarlierOne) {
    // E rests before A in the order of creation, R after it; A changes In
    // at 1000, when all three fall due.
    addTimers({{"E", 500}, {"A", 1000}, {"R", 500}});
    onTick["E"] = copyInto("Out2");
    onTick["A"] = [this] { labelOf("In").setCaption(labelOf("In").caption() + "x"); };
    onTick["R"] = copyInto("Out");
    rt().advance(1600);
    EXPECT_EQ(log_, (Log{"Out=x@1000000", "Out2=x@1500000"}));
}

TEST_P(QuietTicksTest, EveryKindOfChangeWakesARestingTimer) {
    addTimers({{"C", 250}});
    // What C reads: the text, the focus, the pointer, the caption of In,
    // whether window V is loaded and shown, whether B counts.
    addForm(window("V"));
    onTick["C"] = [this] {
        const Form& w = rt().form("W");
        const Control* focus = w.focused();
        labelOf("Out").setCaption(
            w.get<TextBox>("Text").text() + "|" + (focus ? focus->name() : "-") + "|" +
            std::to_string(w.mouseIcon().handle() != 0) + "|" + labelOf("In").caption() + "|" +
            std::to_string(app().isLoaded("V")) + "|" + std::to_string(w.get<Label>("In").left()));
    };
    rt().advance(300);  // C ticked at 250 and changed Out; at 500 it rests
    rt().advance(300);
    log_.clear();
    const std::vector<std::function<void()>> changes{
        [this] { rt().form("W").get<TextBox>("Text").userEdited("typed"); },
        [this] { rt().form("W").setFocused(&rt().form("W").control("Go")); },
        [this] {
            rt().form("W").setMouseIcon(Picture::load({"hammer", 32, 32}));
        },
        [this] { app().load("V"); },
        [this] { labelOf("In").setLeft(7); },
    };
    // Each change at 600 ms past a whole second: C's next tick, at 750,
    // takes it up; the one after finds nothing new.
    for (const auto& change : changes) {
        change();
        rt().advance(1000);
    }
    ASSERT_EQ(log_.size(), changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i)
        EXPECT_TRUE(log_[i].ends_with("@" + std::to_string(750'000 + i * 1'000'000))) << log_[i];
    if (quiet()) {
        EXPECT_EQ(ticks["C"], 2 + static_cast<int>(changes.size()) * 2);
    }
}

TEST_P(QuietTicksTest, TicksThatReachBeyondTheWindowsNeverRest) {
    addTimers({{"Clock", 100}, {"Dice", 100}, {"Box", 100}, {"Fail", 100}, {"None", 100}});
    onTick["Clock"] = [this] { (void)app().now(); };
    onTick["Dice"] = [this] { (void)app().rnd(); };
    onTick["Box"] = [this]() -> Task { co_await app().msgBox("hello"); };
    onTick["Fail"] = [] { throw RuntimeError(RuntimeError::TypeMismatch); };
    onTick["None"] = [] {};
    backend().answerUnscripted([](const MessageBoxRequest&) { return MsgResult::Ok; });
    rt().advance(1000);
    EXPECT_EQ(ticks["Clock"], 10);
    EXPECT_EQ(ticks["Dice"], 10);
    EXPECT_EQ(errorLines_.size(), 10U);
    EXPECT_EQ(ticks["Box"], 10);
    // Fail's errors move the state on (the error count), waking None.
    EXPECT_EQ(ticks["None"], 10);
}

TEST_P(QuietTicksTest, ARestingTimerSwitchedOffAndOnCountsAfresh) {
    addTimers({{"C", 300}});
    onTick["C"] = copyInto("Out");
    rt().advance(700);
    timer("C").setEnabled(false);
    rt().advance(100);  // 800
    timer("C").setEnabled(true);
    labelOf("In").setCaption("b");
    rt().advance(400);
    timer("C").setInterval(200);  // from 1200
    labelOf("In").setCaption("c");
    rt().advance(300);
    EXPECT_EQ(log_, (Log{"Out=b@1100000", "Out=c@1400000"}));
}

TEST_P(QuietTicksTest, AMillisecondTimerWokenBetweenItsTicksKeepsItsPhase) {
    // Switched on 0.4 ms into a millisecond: its ticks fall at .4 of each.
    addTimers({{"F", 1, false}});
    onTick["F"] = copyInto("Out");
    rt().advanceMicros(400);
    timer("F").setEnabled(true);
    rt().advance(5);
    for (const std::string in : {"p", "q"}) {
        rt().advanceMicros(777);
        labelOf("In").setCaption(in);
        rt().advance(3);
    }
    EXPECT_EQ(log_, (Log{"Out=p@6400", "Out=q@10400"}));
}

TEST_P(QuietTicksTest, ARestingTimerWakesOnlyForTheControlsItTouched) {
    // R reads In and writes Out; S writes Out2 with the value it already
    // holds from its second tick on, which is a touch too.
    addTimers({{"R", 300}, {"S", 300}});
    onTick["R"] = copyInto("Out");
    onTick["S"] = [this] { labelOf("Out2").setCaption("s"); };
    rt().advance(700);
    rt().form("W").get<TextBox>("Text").userEdited("typed");  // touched by neither
    rt().advance(400);
    labelOf("In").setCaption("a");  // at 1100: R's
    rt().advance(300);
    labelOf("Out2").setCaption("z");  // at 1400: S's
    rt().advance(600);
    EXPECT_EQ(log_, (Log{"Out2=s@300000", "Out=a@1200000", "Out2=z@1400000", "Out2=s@1500000"}));
    if (quiet()) {
        EXPECT_EQ(ticks["R"], 3);  // 300, 1200 (a change) and 1500
        EXPECT_EQ(ticks["S"], 4);  // 300 (a change), 600, 1500 (a change) and 1800
    }
}

TEST_P(QuietTicksTest, ARestingTimersTickInABatchRunsOnlyAfterAChangeItTouched) {
    // At 1000 A changes Out2, which R never touched: R's tick of that
    // moment is passed over. At 2000 B, created before R, changes In: R's
    // tick of the same moment runs and sees it.
    addTimers({{"A", 1000}, {"B", 2000}, {"R", 500}});
    onTick["A"] = [this] { labelOf("Out2").setCaption(labelOf("Out2").caption() + "y"); };
    onTick["B"] = [this] { labelOf("In").setCaption(labelOf("In").caption() + "x"); };
    onTick["R"] = copyInto("Out");
    rt().advance(2600);
    EXPECT_EQ(log_, (Log{"Out2=y@1000000", "Out2=yy@2000000", "Out=x@2000000"}));
    if (quiet()) {
        EXPECT_EQ(ticks["R"], 3);  // 500, 2000 (a change) and 2500
    }
}

INSTANTIATE_TEST_SUITE_P(QuietAndEveryTick, QuietTicksTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Quiet" : "EveryTick"; });

// A batch the program came to late (the event loop was busy): a resting
// timer's ticks since the batch's earliest due wait in it as one, at the
// place of the first of them, as a late tick of a waking timer would.
TEST_F(FormsTest, ALateBatchTakesARestingTimersTickInTheOrderOfItsDueTime) {
    app().setQuietTicks(true);
    std::vector<std::string> seen;
    addForm(
        window("W", {label("In", 0, 0, 100, 100), label("Out", 0, 200, 100, 100),
                     TimerDesign{"A", 1000}, TimerDesign{"R", 300}}),
        [&seen](Form& form) {
            auto& in = form.get<Label>("In");
            auto& out = form.get<Label>("Out");
            form.get<Timer>("A").onTimer = [&in] { in.setCaption(in.caption() + "x"); };
            form.get<Timer>("R").onTimer = [&in, &out, &form, &seen] {
                out.setCaption(in.caption());
                seen.push_back(out.caption() + "@" + std::to_string(form.app().scheduler().now()));
            };
        });
    app().load("W");
    rt().advance(300);  // R rests from here
    backend().setNow(2'500'000);
    app().alarmRang();  // A's tick due at 1000, late
    EXPECT_EQ(seen, (std::vector<std::string>{"@300000", "x@2500000"}));
}

}  // namespace
}  // namespace coretest
