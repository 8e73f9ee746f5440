// Timers: the grid they tick on, the order of simultaneous ticks, what
// restarts a count, and how ticks meet handlers that are still running.

#include <map>
#include <string>
#include <vector>

#include "forms_fixture.h"

namespace coretest {
namespace {

class TimerTest : public FormsTest {
protected:
    // Window "W" holds the timers (every tick noted as "name@ms") and a button
    // "Go" whose click runs `onGo`; window "Keep" keeps the program alive.
    void SetUp() override {
        addForm(window("Keep"));
        app().load("Keep");
    }
    void addTimers(std::vector<TimerDesign> timers, const std::string& name = "W") {
        std::vector<ControlDesign> controls{button("Go")};
        for (auto& t : timers) controls.emplace_back(std::move(t));
        addForm(window(name, std::move(controls)), [this](Form& form) {
            for (const auto& control : form.controls()) {
                if (auto* t = dynamic_cast<Timer*>(control.get())) {
                    t->onTimer = [this, t] {
                        noteAt(t->name());
                        const Handler& extra = onTick[t->name()];
                        return extra ? extra() : Task{};
                    };
                }
            }
            form.control("Go").onClick = [this] { return onGo(); };
        });
        app().load(name);
    }
    Timer& timer(const std::string& name, const std::string& form = "W") {
        return rt().form(form).get<Timer>(name);
    }
    std::map<std::string, Handler> onTick;
    Handler onGo = [] {};
};

TEST_F(TimerTest, TicksOnItsGridWithoutDriftWhateverTheSteps) {
    addTimers({{"T", 3000}});
    for (int i = 0; i < 30; ++i) rt().advance(700);
    EXPECT_EQ(log_,
              (Log{"T@3000", "T@6000", "T@9000", "T@12000", "T@15000", "T@18000", "T@21000"}));
}

TEST_F(TimerTest, TwoTimersInterleaveAndTieInCreationOrder) {
    addTimers({{"A", 3000}, {"B", 3500}});
    rt().advance(21000);
    EXPECT_EQ(log_, (Log{"A@3000", "B@3500", "A@6000", "B@7000", "A@9000", "B@10500", "A@12000",
                         "B@14000", "A@15000", "B@17500", "A@18000", "A@21000", "B@21000"}));
}

TEST_F(TimerTest, SimultaneousTicksFollowCreationNotSwitchOnOrder) {
    addTimers({{"T1", 2000}, {"T2", 1000, false}});
    rt().advance(1000);
    timer("T2").setEnabled(true);  // now due at 2000 like T1
    addTimers({{"V1", 1000}}, "V");
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"T1@2000", "T2@2000", "V1@2000"}));
}

TEST_F(TimerTest, OnlyAChangedIntervalCountsAfreshFromThatMoment) {
    addTimers({{"T", 3000}});
    rt().advance(2000);
    timer("T").setInterval(3000);  // what it has already: the count goes on
    timer("T").setEnabled(true);
    rt().advance(2000);
    timer("T").setInterval(2500);
    rt().advance(5000);
    EXPECT_EQ(log_, (Log{"T@3000", "T@6500", "T@9000"}));
}

TEST_F(TimerTest, ACountStartedAfreshOvertakesTicksDueBeforeItAndKeepsItsTiePlace) {
    addTimers({{"A", 5000}, {"B", 3000}, {"C", 2000}});
    rt().advance(1000);
    timer("A").setInterval(1000);  // due at 2000 beside C, which it precedes
    rt().advance(2000);
    EXPECT_EQ(log_, (Log{"A@2000", "C@2000", "A@3000", "B@3000"}));
}

TEST_F(TimerTest, SwitchingOnCountsAfreshFromThatMoment) {
    addTimers({{"T", 3000, false}});
    rt().advance(1234);
    timer("T").setEnabled(true);
    rt().advance(3766);  // to 5000
    timer("T").setEnabled(false);
    rt().advance(1000);
    timer("T").setEnabled(true);
    rt().advance(3000);
    EXPECT_EQ(log_, (Log{"T@4234", "T@9000"}));
}

TEST_F(TimerTest, AnEarlierHandlerCanSwitchOffATickDueAtTheSameMoment) {
    addTimers({{"A", 1000}, {"B", 1000}});
    onTick["A"] = [this] { timer("B").setEnabled(false); };
    rt().advance(3000);
    EXPECT_EQ(log_, (Log{"A@1000", "A@2000", "A@3000"}));
}

TEST_F(TimerTest, AHandlerInsideAMessageBoxIsNotReenteredWhileOthersTick) {
    addTimers({{"A", 1000}, {"B", 1000}});
    onTick["A"] = [this]() -> Task {
        if (now() == 1000) co_await app().msgBox("busy");
    };
    backend().expectMessageBox({"busy", "Klonkatron Game"}, MsgResult::Ok,
                               [this] { rt().advance(5000); });
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"A@1000", "B@1000", "B@2000", "B@3000", "B@4000", "B@5000", "B@6000"}));
    // Time that passed under the box has passed for good; A keeps its grid.
    EXPECT_EQ(now(), 6000);
    log_.clear();
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"A@7000", "B@7000"}));
}

TEST_F(TimerTest, UnloadingAWindowStopsItsTimers) {
    addTimers({{"T", 1000}});
    rt().advance(1500);
    app().unload(rt().form("W"));
    rt().advance(10000);
    EXPECT_EQ(log_, (Log{"T@1000"}));
}

TEST_F(TimerTest, ATickThatUnloadsItsWindowCancelsItsSiblingsDueTicks) {
    addTimers({{"A", 1000}, {"B", 1000}});
    onTick["A"] = [this] { app().unload(rt().form("W")); };
    rt().advance(5000);
    EXPECT_EQ(log_, (Log{"A@1000"}));
}

TEST_F(TimerTest, AnIntervalOutsideItsRangeIsAnInvalidPropertyValue) {
    addTimers({{"T", 1000}});
    EXPECT_NO_THROW(timer("T").setInterval(65535));
    EXPECT_NO_THROW(timer("T").setInterval(0));
    for (int bad : {-1, 65536}) {
        onGo = [this, bad] {
            timer("T").setInterval(bad);
            note("went on");
        };
        rt().clickButton("W", "Go");
        ASSERT_TRUE(app().lastError().has_value());
        EXPECT_EQ(app().lastError()->number(), RuntimeError::InvalidPropertyValue);
        EXPECT_EQ(timer("T").interval(), 0);
    }
    EXPECT_TRUE(log_.empty());
}

TEST_F(TimerTest, AnIntervalOfZeroNeverTicks) {
    addTimers({{"Z", 0}, {"T", 1000}});
    EXPECT_TRUE(timer("Z").enabled());
    timer("T").setInterval(0);
    EXPECT_FALSE(app().scheduler().nextDue().has_value());
    rt().advance(100000);
    EXPECT_TRUE(log_.empty());
    timer("T").setInterval(1000);  // counts from now
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"T@101000"}));
}

TEST_F(TimerTest, ATickLateByWholePeriodsIsDeliveredOnceThenKeepsTheGrid) {
    addTimers({{"A", 3000}, {"B", 2000}});
    // The clock jumps the way it does after the event loop was busy.
    auto jumpTo = [this](std::int64_t ms) {
        backend().setNow(ms * 1000);
        app().alarmRang();
    };
    jumpTo(10000);
    EXPECT_EQ(log_, (Log{"B@10000", "A@10000"}));  // the earlier due first
    jumpTo(11999);
    EXPECT_EQ(log_.size(), 2U);
    jumpTo(12000);
    EXPECT_EQ(log_, (Log{"B@10000", "A@10000", "A@12000", "B@12000"}));
}

TEST_F(TimerTest, MillisecondTimersShareWakeUpsAndNoOtherTickWaits) {
    addTimers({{"A", 1}, {"B", 1, false}, {"C", 50}});
    backend().setNow(700);
    timer("B").setEnabled(true);                             // 0.7 ms out of step with A
    std::map<std::string, std::vector<std::int64_t>> ticks;  // microseconds
    for (const char* name : {"A", "B", "C"}) {
        onTick[name] = [this, &ticks, name] { ticks[name].push_back(backend().monotonicMicros()); };
    }
    int wakes = 0;
    while (backend().monotonicMicros() < 100'000) {
        backend().setNow(*backend().alarm());
        app().alarmRang();
        ++wakes;
    }
    const auto lateness = [&ticks](const char* name, std::int64_t first, std::int64_t period) {
        std::vector<std::int64_t> late;
        for (std::size_t k = 0; k < ticks[name].size(); ++k)
            late.push_back(ticks[name][k] - (first + static_cast<std::int64_t>(k) * period));
        return late;
    };
    for (const auto& [name, first] : {std::pair{"A", 1000}, std::pair{"B", 1700}}) {
        for (const std::int64_t late : lateness(name, first, 1000)) {
            EXPECT_GE(late, 0) << name;
            EXPECT_LE(late, 500) << name;
        }
    }
    EXPECT_EQ(ticks["A"].size(), 100U);
    EXPECT_EQ(ticks["B"].size(), 99U);
    EXPECT_EQ(lateness("C", 50'000, 50'000), (std::vector<std::int64_t>{0, 0}));
    EXPECT_LE(wakes, 102);  // each 1 ms timer alone would wake the program 199 times
}

}  // namespace
}  // namespace coretest
