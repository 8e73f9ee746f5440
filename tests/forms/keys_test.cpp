// Keys the runtime answers itself (Tab, default and cancel buttons, access
// keys), the key preview of a window, and how a picture button shows the
// focus the keys move.

#include "forms/button_face.h"
#include "forms/line_breaks.h"
#include "forms_fixture.h"

namespace coretest {
namespace {

KeyEvent key(int code, char32_t character = 0, int shift = NoShift) {
    return {code, character, shift};
}
KeyEvent alt(char letter) { return key(letter, 0, AltKey); }

class KeysTest : public FormsTest {
protected:
    // "K" previews keys; its text box comes first in the tab order.
    void SetUp() override {
        FormDesign k = window(
            "K",
            {ButtonDesign{.name = "Ok", .caption = "&Ok", .tabIndex = 1, .isDefault = true},
             ButtonDesign{.name = "Cancel", .caption = "&Cancel", .tabIndex = 2, .isCancel = true},
             ButtonDesign{.name = "Quit",
                          .width = 450,
                          .height = 300,
                          .caption = "Save && &Quit",
                          .tabIndex = 3},
             ButtonDesign{.name = "Lit", .caption = "&&Lit", .tabIndex = 4},
             TextBoxDesign{.name = "Text1", .tabIndex = 0}});
        k.keyPreview = true;
        addForm(std::move(k), [this](Form& form) {
            for (const char* name : {"Ok", "Cancel", "Quit", "Lit"}) {
                form.control(name).onClick = [this, name] { note(name); };
            }
            form.onKeyPress = [this](int& keyAscii) {
                note("KeyPress " + std::string(1, static_cast<char>(keyAscii)));
                if (keyAscii == 'x') keyAscii = 0;
            };
        });
        app().show("K");
    }
    Form& form() { return rt().form("K"); }
    const std::string& text() { return form().get<TextBox>("Text1").text(); }
};

TEST_F(KeysTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    ASSERT_EQ(form().focused(), &form().control("Text1"));
    EXPECT_TRUE(app().keyPress(form(), key(kKeyEnter, '\r')));
    rt().pressKey("K", key(kKeyEscape, 27));
    EXPECT_EQ(log_, (Log{"Ok", "Cancel"}));
    EXPECT_EQ(text(), "");
}

TEST_F(KeysTest, EnterAndSpacePressTheFocusedButtonInsteadOfTheDefault) {
    form().setFocused(&form().control("Quit"));
    rt().pressKey("K", key(kKeyEnter, '\r'));
    rt().pressKey("K", key(' ', ' '));
    EXPECT_EQ(log_, (Log{"Quit", "Quit"}));
}

TEST_F(KeysTest, AltAndALetterPressTheButtonWithThatAccessKey) {
    rt().pressKey("K", alt('O'));
    rt().pressKey("K", alt('Q'));  // "&&" before it is a literal ampersand
    EXPECT_FALSE(app().keyPress(form(), alt('L')));
    EXPECT_FALSE(app().keyPress(form(), alt('S')));
    form().control("Cancel").setVisible(false);
    EXPECT_FALSE(app().keyPress(form(), alt('C')));
    rt().clickButton("K", "Cancel");  // a hidden button cannot be pressed at all
    form().get<CommandButton>("Lit").setCaption("Level &2");
    rt().pressKey("K", alt('2'));  // digits are access keys too
    EXPECT_EQ(log_, (Log{"Ok", "Quit", "Lit"}));
}

TEST_F(KeysTest, TheAccessKeyIsTheLetterAfterTheFirstSingleAmpersand) {
    auto& b = form().get<CommandButton>("Lit");
    const std::vector<std::pair<std::string, char32_t>> cases{
        {"&Ok!", U'O'}, {"e&xit", U'X'}, {"&&&Three", U'T'}, {"&One &Two", U'O'}, {"A && B", 0},
        {"Last&", 0},   {"", 0}};
    for (const auto& [caption, expected] : cases) {
        b.setCaption(caption);
        EXPECT_EQ(b.accessKey(), expected) << caption;
    }
}

TEST_F(KeysTest, KeyPreviewSeesKeysBeforeTheTextBoxAndMaySwallowThem) {
    rt().typeText("K", "axb");
    EXPECT_EQ(log_, (Log{"KeyPress a", "KeyPress x", "KeyPress b"}));
    EXPECT_EQ(text(), "ab");
}

TEST_F(KeysTest, WithoutKeyPreviewTheWindowSeesNoKeys) {
    FormDesign n = window("N", {TextBoxDesign{.name = "Text1", .multiLine = true}});
    addForm(std::move(n),
            [this](Form& form) { form.onKeyPress = [this](int&) { note("KeyPress"); }; });
    app().show("N");
    rt().typeText("N", "hi");
    rt().pressKey("N", key(kKeyEnter, '\r'));  // no default button: the text box takes it
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(rt().form("N").get<TextBox>("Text1").text(), "hi\r\n");
}

TEST_F(KeysTest, TabWalksTheVisibleControlsRoundInBothDirectionsAfterTheKeyPreview) {
    const auto tab = [this](int shift = NoShift) {
        EXPECT_TRUE(app().keyPress(form(), key(kKeyTab, '\t', shift)));
        return form().focused()->name();
    };
    form().control("Cancel").setVisible(false);
    EXPECT_EQ(tab(), "Ok");
    EXPECT_EQ(tab(), "Quit");  // past the hidden one
    EXPECT_EQ(tab(), "Lit");
    EXPECT_EQ(tab(), "Text1");
    EXPECT_EQ(tab(ShiftKey), "Lit");
    EXPECT_EQ(backend().window("K").focused, "Lit");  // the window was told
    EXPECT_EQ(log_, (Log(5, "KeyPress \t")));
    // Swallowed by the key preview, Tab moves nothing.
    form().onKeyPress = [](int& keyAscii) { keyAscii = 0; };
    EXPECT_EQ(tab(), "Lit");
}

TEST_F(KeysTest, TabFromNoFocusStartsAtAnEndAndWithNothingVisibleStaysPut) {
    form().setFocused(nullptr);
    EXPECT_TRUE(app().keyPress(form(), key(kKeyTab, 0, ShiftKey)));
    EXPECT_EQ(form().focused()->name(), "Lit");
    for (const char* name : {"Ok", "Cancel", "Quit", "Lit", "Text1"})
        form().control(name).setVisible(false);
    EXPECT_TRUE(app().keyPress(form(), key(kKeyTab)));
    EXPECT_EQ(form().focused()->name(), "Lit");
}

TEST_F(KeysTest, APictureButtonShowsTheFocusOnlyOnceTheKeyboardMovedAroundItsWindow) {
    auto& quit = form().get<CommandButton>("Quit");
    form().setFocused(&quit);
    EXPECT_EQ(pictureButtonFace(quit, false, true).focusRectangle, std::nullopt);
    const int changes = backend().window("K").widgetChanges;
    rt().pressKey("K", alt('Z'));  // no such access key, but Alt shows the cues
    EXPECT_EQ(backend().window("K").widgetChanges, changes + 1);  // the face shows it now
    const PictureButtonFace face = pictureButtonFace(quit, true, true);
    EXPECT_EQ(face.pictureOffset, 1);
    // A button of the fixture's 450 by 300 twips is 30 by 20 pixels.
    EXPECT_EQ(face.focusRectangle, (PixelRect{3, 3, 24, 14}));
    EXPECT_EQ(pictureButtonFace(quit, false, false).focusRectangle, std::nullopt);
    EXPECT_EQ(pictureButtonFace(quit, false, true).pictureOffset, 0);
}

TEST(LineBreaksTest, TextBoxesKeepCrLfWhateverTheWidgetReports) {
    EXPECT_EQ(withCrLf("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(withCrLf("\n\r"), "\r\n\r");  // a lone CR is no line feed to complete
    EXPECT_EQ(withLineFeeds("a\r\nb\rc\r"), "a\nb\rc\r");
    EXPECT_EQ(withCrLf(withLineFeeds("x\r\ny\r\n")), "x\r\ny\r\n");
}

TEST_F(KeysTest, AKeyPressThatUnloadsTheLastWindowEndsTheProgram) {
    form().onKeyPress = [this](int&) { app().unload(form()); };
    rt().pressKey("K", key('A', 'a'));
    EXPECT_FALSE(app().isLoaded("K"));
    EXPECT_TRUE(backend().programHasEnded());
}

}  // namespace
}  // namespace coretest
