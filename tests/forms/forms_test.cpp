// Windows: load, show and unload, a fresh instance after each unload, and
// when the program ends because its last window went.

#include "forms_fixture.h"

namespace coretest {
namespace {

class FormLifecycleTest : public FormsTest {
protected:
    // "W" counts its instances and its loads; "Other" is a second window.
    void SetUp() override {
        addForm(window("W", {LabelDesign{.name = "L", .caption = "design"}, button("Go")}),
                [this](Form& form) {
                    ++instances;
                    form.onLoad = [this] {
                        ++loads;
                        return onLoad();
                    };
                    form.control("Go").onClick = [this] { return onGo(); };
                });
        addForm(window("Other"), [this](Form& form) { form.onLoad = [this] { note("Other"); }; });
    }
    Label& label() { return rt().form("W").get<Label>("L"); }
    int instances = 0;
    int loads = 0;
    Handler onLoad = [] {};
    Handler onGo = [] {};
};

TEST_F(FormLifecycleTest, ShowLoadsFirstRunningTheLoadHandlerOnceAndKeepsTheOneWindow) {
    onLoad = [this] { EXPECT_FALSE(rt().form("W").isShown()); };
    Form& shown = app().show("W");  // loads first
    EXPECT_TRUE(shown.isShown());
    EXPECT_EQ(&app().load("W"), &shown);
    EXPECT_EQ(&app().show("W"), &shown);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(backend().windowsShown(), 1);
    EXPECT_TRUE(backend().window("W").open);
}

TEST_F(FormLifecycleTest, UnloadClosesTheWindowAndTheNextUseStartsAfresh) {
    app().load("Other");
    app().show("W");
    label().setCaption("changed");
    app().unload(rt().form("W"));
    EXPECT_FALSE(app().isLoaded("W"));
    EXPECT_FALSE(backend().window("W").open);
    app().show("W");
    EXPECT_EQ(instances, 2);
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(label().caption(), "design");
    EXPECT_FALSE(backend().programHasEnded());
}

TEST_F(FormLifecycleTest, UnloadingTheLastWindowOutsideAnyHandlerEndsTheProgramAtOnce) {
    app().show("W");
    app().closeRequested(rt().form("W"));  // the close box
    EXPECT_TRUE(backend().programHasEnded());
}

TEST_F(FormLifecycleTest, AnUnknownNameIsObjectRequired) {
    try {
        app().load("Nowhere");
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::ObjectRequired);
        EXPECT_STREQ(error.what(), "Object required");
    }
    app().show("W");
    onGo = [this] {
        app().show("Nowhere");
        note("went on");
    };
    rt().clickButton("W", "Go");
    EXPECT_EQ(app().lastError()->number(), RuntimeError::ObjectRequired);
    EXPECT_TRUE(log_.empty());
    // Not swallowed: the dead button leaves its trace.
    EXPECT_EQ(errorLines_, (Log{"Run-time error 424 (Object required) in W.Go_Click"}));
}

TEST_F(FormLifecycleTest, AWindowRegisteredByAnotherNameThanItsDesignsFailsLoudly) {
    static const FormDesign other = window("Other");
    app().registerForm("Alias", [](Application& a) { return std::make_unique<Form>(a, other); });
    EXPECT_THROW(app().load("Alias"), std::logic_error);
    app().show("W");
    onGo = [this] { app().show("Alias"); };
    EXPECT_THROW(rt().clickButton("W", "Go"), std::logic_error);  // no handler swallows it
}

TEST_F(FormLifecycleTest, TheProgramEndsOnlyOnceTheHandlerThatUnloadedTheLastWindowReturns) {
    app().show("W");
    onGo = [this] {
        Label& l = label();
        app().unload(rt().form("W"));
        EXPECT_FALSE(backend().programHasEnded());
        l.setCaption("still usable");  // the instance lives until the handler returns
        note("went on");
    };
    rt().clickButton("W", "Go");
    EXPECT_EQ(log_, (Log{"went on"}));
    EXPECT_TRUE(backend().programHasEnded());
    EXPECT_TRUE(app().ended());
}

TEST_F(FormLifecycleTest, UnloadingTheLastWindowAndShowingAnotherKeepsTheProgram) {
    app().show("W");
    onGo = [this] {
        app().unload(rt().form("W"));
        app().show("Other");
    };
    rt().clickButton("W", "Go");
    EXPECT_FALSE(backend().programHasEnded());
    EXPECT_TRUE(rt().form("Other").isShown());
}

TEST_F(FormLifecycleTest, AWindowThatUnloadsItselfWhileLoadingIsNotShown) {
    app().load("Other");
    onLoad = [this] { app().unload(rt().form("W")); };
    app().show("W");  // the instance must outlive show() itself
    EXPECT_FALSE(app().isLoaded("W"));
    EXPECT_EQ(backend().windowsShown(), 0);
    EXPECT_FALSE(backend().programHasEnded());
}

}  // namespace
}  // namespace coretest
