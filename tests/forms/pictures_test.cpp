// Pictures as shared objects with an identity, and control properties whose
// setters do nothing when the value does not change.

#include <set>

#include "forms_fixture.h"

namespace coretest {
namespace {

constexpr PictureSource kIbm{"ibm", 32, 32};

class PictureTest : public FormsTest {
protected:
    // Two windows whose images were all designed with the same file.
    void SetUp() override {
        FormDesign p =
            window("P", {ImageDesign{.name = "a", .picture = kIbm},
                         ImageDesign{.name = "b", .picture = kIbm}, ImageDesign{.name = "empty"},
                         LabelDesign{.name = "L", .caption = "x"}});
        p.mouseIcon = kIbm;
        addForm(std::move(p));
        addForm(window("Q", {ImageDesign{.name = "c", .picture = kIbm}}));
        app().show("P");
        app().show("Q");
    }
    Image& img(const char* name, const char* form = "P") {
        return rt().form(form).get<Image>(name);
    }
    const headless::HeadlessBackend::WindowLog& log() { return backend().window("P"); }
};

TEST_F(PictureTest, EveryControlStartsWithAPictureObjectOfItsOwn) {
    std::set<std::uint32_t> handles{img("a").pictureHandle(), img("b").pictureHandle(),
                                    img("c", "Q").pictureHandle(),
                                    rt().form("P").mouseIcon().handle()};
    EXPECT_EQ(handles.size(), 4U);
    EXPECT_EQ(handles.count(0), 0U);
    EXPECT_EQ(img("empty").pictureHandle(), 0U);
}

TEST_F(PictureTest, AssignmentSharesTheObjectOfTheSource) {
    img("b").setPicture(img("a").picture());
    EXPECT_EQ(img("b").pictureHandle(), img("a").pictureHandle());
    rt().form("P").setMouseIcon(img("a").picture());
    EXPECT_EQ(rt().form("P").mouseIcon().handle(), img("a").pictureHandle());
    // Giving the source another picture later leaves the copy as it was.
    const auto shared = img("a").pictureHandle();
    img("a").setPicture(img("c", "Q").picture());
    EXPECT_EQ(img("b").pictureHandle(), shared);
    img("empty").setPicture(img("b").picture());
    EXPECT_EQ(img("empty").pictureHandle(), shared);
}

TEST_F(PictureTest, APictureOutlivesTheWindowItCameFrom) {
    img("c", "Q").setPicture(img("a").picture());
    const auto handle = img("a").pictureHandle();
    app().unload(rt().form("P"));
    EXPECT_EQ(img("c", "Q").pictureHandle(), handle);
    EXPECT_EQ(img("c", "Q").picture().source().resource, "ibm");
}

TEST_F(PictureTest, AReloadedWindowLoadsItsPicturesAfresh) {
    const auto before = img("a").pictureHandle();
    app().unload(rt().form("P"));
    app().show("P");
    EXPECT_NE(img("a").pictureHandle(), before);
}

TEST_F(PictureTest, SettersThatChangeNothingRepaintNothing) {
    const int repaints = log().repaints;
    img("a").setPicture(img("a").picture());
    rt().form("P").setMouseIcon(rt().form("P").mouseIcon());
    auto& label = rt().form("P").get<Label>("L");
    label.setCaption("x");
    label.setVisible(true);
    label.setLeft(label.left());
    EXPECT_EQ(log().repaints, repaints);
    EXPECT_EQ(log().pointerChanges, 0);

    rt().form("P").setMouseIcon(img("a").picture());
    EXPECT_EQ(log().pointerChanges, 1);
    label.setCaption("y");
    EXPECT_EQ(log().repaints, repaints + 1);
    label.setLeft(label.left() + 150);  // the old place and the new one
    EXPECT_EQ(log().repaints, repaints + 3);
}

}  // namespace
}  // namespace coretest
