// The kill-o-meter: the lamp bar follows the face, by picture object.
#include "art/catalogue.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

using KillOMeter = Board;

TEST_F(KillOMeter, EachFaceLightsItsLampsWithinASecond) {
    const std::pair<const char*, const char*> rows[] = {
        {"tjugo", "two"},   {"trettio", "three"}, {"förtio", "four"},
        {"femtio", "five"}, {"sextio", "six"},    {"sjuttio", "seven"},
        {"åttio", "eight"}, {"nittio", "nine"},   {"hundra", "ten"}};
    for (const auto& [face, lamps] : rows) {
        image("mug").setPicture(image(face).picture());
        advance(1'000);
        EXPECT_EQ(image("bar").pictureHandle(), image(lamps).pictureHandle()) << face;
    }
}

TEST_F(KillOMeter, LevelOneKeepsTheSingleLamp) {
    const auto initial = image("bar").pictureHandle();
    clickButton("Command3");
    advance(30'000);
    EXPECT_EQ(image("bar").pictureHandle(), initial);
}

TEST_F(KillOMeter, TheBarCatchesUpWhilePaused) {
    clickButton("Command3");
    label("score").setCaption("1000");
    advance(1);
    clickButton("Command3");  // paused at once, before the meter looked
    ASSERT_NE(image("bar").pictureHandle(), image("two").pictureHandle());
    advance(1'000);
    EXPECT_EQ(image("bar").pictureHandle(), image("two").pictureHandle());
}

TEST_F(KillOMeter, AFaceLoadedSeparatelyIsNotTheSameFace) {
    const auto initial = image("bar").pictureHandle();
    image("mug").setPicture(forms::Picture::load(art::sextio));
    advance(5'000);
    EXPECT_EQ(image("bar").pictureHandle(), initial);
}

}  // namespace
}  // namespace klonkatron::testing
