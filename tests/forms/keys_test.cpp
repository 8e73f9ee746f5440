// Keys the runtime answers itself (default and cancel buttons, access keys)
// and the key preview of a window.

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
             ButtonDesign{.name = "Quit", .caption = "Save && &Quit", .tabIndex = 3},
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

TEST_F(KeysTest, AKeyPressThatUnloadsTheLastWindowEndsTheProgram) {
    form().onKeyPress = [this](int&) { app().unload(form()); };
    rt().pressKey("K", key('A', 'a'));
    EXPECT_FALSE(app().isLoaded("K"));
    EXPECT_TRUE(backend().programHasEnded());
}

}  // namespace
}  // namespace coretest
