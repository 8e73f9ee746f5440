// The text window opens from the face, takes typing, forgets it when closed,
// and leaves the game alone.
#include "designs/frm_splash1_design.h"
#include "designs/window_names.h"
#include "game/form1.h"
#include "tests/side_windows/program.h"

namespace klonkatron::testing {
namespace {

class TextWindow : public Program {
protected:
    TextWindow() { openBoard(); }
    // Five clicks on the face; the next tick of Timer8 opens the window.
    void openTextWindow() {
        for (int i = 0; i < 5; ++i) runtime.clickAt(window::kBoard, "mug");
        runtime.advance(1);
    }
    forms::TextBox& text() { return control<forms::TextBox>(window::kText, "Text1"); }
};

TEST_F(TextWindow, HoldsElevenLinesEachEndedByCrLf) {
    const std::string scripture = kScriptureText;
    std::vector<std::string> lines;
    for (size_t from = 0; from < scripture.size();) {
        const size_t end = scripture.find("\r\n", from);
        ASSERT_NE(end, std::string::npos) << "a line without CR LF";
        lines.push_back(scripture.substr(from, end - from));
        from = end + 2;
    }
    ASSERT_EQ(lines.size(), 11U);
    EXPECT_EQ(lines[0], "\"So i looked and behold,");
    for (size_t i = 1; i < 9; ++i) EXPECT_EQ(lines[i][0], ' ') << i;
    EXPECT_EQ(lines[8].back(), '"');
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], " The book of computer evils 6:8");
}

TEST_F(TextWindow, TypingChangesTheTextAndReopeningBringsTheDesignBack) {
    openTextWindow();
    ASSERT_TRUE(isLoaded(window::kText));
    EXPECT_EQ(form(window::kText).focused(), &text());
    EXPECT_EQ(text().text(), kScriptureText);

    runtime.typeText(window::kText, "amen");
    EXPECT_EQ(text().text(), std::string(kScriptureText) + "amen");

    // Shown again while open: the same window, with the edit.
    openTextWindow();
    EXPECT_EQ(text().text(), std::string(kScriptureText) + "amen");

    runtime.clickButton(window::kText, "Command1");
    EXPECT_FALSE(isLoaded(window::kText));
    openTextWindow();
    EXPECT_EQ(text().text(), kScriptureText);
}

TEST_F(TextWindow, LeavesARunningGameRunning) {
    runtime.clickButton(window::kBoard, "Command3");
    runtime.advance(2'000);
    openTextWindow();
    ASSERT_TRUE(isLoaded(window::kText));
    EXPECT_EQ(playTimers(), kAllOn);
    // Computers keep popping up while it is open.
    runtime.advance(1'000);
    int shown = 0;
    for (const auto& place : dynamic_cast<Form1&>(form(window::kBoard)).places())
        shown += place.place.visible() ? 1 : 0;
    EXPECT_EQ(shown, 1);
    runtime.clickButton(window::kText, "Command1");
    EXPECT_EQ(playTimers(), kAllOn);
    EXPECT_FALSE(control<forms::Label>(window::kBoard, "pauz").visible());
    EXPECT_FALSE(app().ended());
}

}  // namespace
}  // namespace klonkatron::testing
