// The launcher of the system-information tool on a registry, files and
// programs set up by each case: which path is started, when the one message
// shows, and that every key opened is closed again.
#include <functional>

#include "designs/window_names.h"
#include "side_windows/frm_about.h"
#include "tests/side_windows/program.h"

namespace klonkatron::testing {
namespace {

using namespace forms::reg;

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kTool = "C:\\Program Files\\Common Files\\MSINFO\\MSINFO32.EXE";
constexpr const char* kFolder = "C:\\Program Files\\Common Files\\MSINFO";
constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

void setPath(FakeSystem& s, std::uint32_t type, std::vector<std::uint8_t> data) {
    s.memory.setValue(kHkeyLocalMachine, kPathKey, "PATH", type, std::move(data));
}
void setFolder(FakeSystem& s, std::uint32_t type, std::vector<std::uint8_t> data) {
    s.memory.setValue(kHkeyLocalMachine, kFolderKey, "MSINFO", type, std::move(data));
}

class SysInfo : public Program {
protected:
    SysInfo() {
        openBoard();
        runtime.clickButton(window::kBoard, "Command2");
    }
    FrmAbout& about() { return dynamic_cast<FrmAbout&>(form(window::kAbout)); }
    void expectUnavailable() {
        runtime.backend().expectMessageBox({kUnavailable, "Klonkatron Game"}, forms::MsgResult::Ok);
    }
    void clickSysInfo() { runtime.clickButton(window::kAbout, "cmdSysInfo"); }
};

struct Case {
    const char* name;
    std::function<void(FakeSystem&)> setUp;
    std::vector<std::string> started;  // every start asked for, in order
    bool message;
    std::vector<std::string> searched = {};
};

// Registry fixtures are raw bytes: sz() adds the terminating zero, raw() does not.
const std::vector<Case> kCases = {
    {"PathWithItsZeroStarts",
     [](FakeSystem& s) {
         setPath(s, kRegSz, sz(kTool));
         s.programs.insert(kTool);
     },
     {kTool},
     false},
    {"PathWithoutItsZeroKeepsEveryCharacter",
     [](FakeSystem& s) {
         setPath(s, kRegSz, raw(kTool));
         s.programs.insert(kTool);
     },
     {kTool},
     false},
    {"PathIsStartedUncheckedAndAFailedStartShowsTheMessage",
     [](FakeSystem& s) { setPath(s, kRegSz, sz("C:\\Nowhere\\tool.exe")); },
     {"C:\\Nowhere\\tool.exe"},
     true},
    {"FolderIsUsedWhenTheToolIsInIt",
     [](FakeSystem& s) {
         setFolder(s, kRegSz, sz(kFolder));
         s.normalFiles.insert(kTool);
         s.programs.insert(kTool);
     },
     {kTool},
     false,
     {kTool}},
    {"FolderWithoutTheToolShowsTheMessage",
     [](FakeSystem& s) { setFolder(s, kRegSz, raw(kFolder)); },
     {},
     true,
     {kTool}},
    {"NeitherLookUpShowsTheMessage", [](FakeSystem&) {}, {}, true},
    {"APathOverTheBufferCountsAsNotFound",
     [](FakeSystem& s) {
         setPath(s, kRegSz, sz(std::string(1024, 'p')));
         setFolder(s, kRegSz, sz(kFolder));
         s.normalFiles.insert(kTool);
         s.programs.insert(kTool);
     },
     {kTool},
     false,
     {kTool}},
    {"APathFillingTheBufferExactlyIsRead",
     [](FakeSystem& s) { setPath(s, kRegSz, raw(std::string(1024, 'p'))); },
     {std::string(1024, 'p')},
     true},
    {"AZeroByteValueIsARunTimeErrorThatEndsInTheMessage",
     [](FakeSystem& s) {
         setPath(s, kRegSz, {});
         setFolder(s, kRegSz, sz(kFolder));
         s.normalFiles.insert(kTool);
     },
     {},
     true},
    {"ExpandableTextFirstIsFoundButEmpty",
     [](FakeSystem& s) { setPath(s, kRegExpandSz, sz("%ProgramFiles%\\msinfo32.exe")); },
     {""},
     true},
    {"ExpandableTextSecondLooksForTheBareName",
     [](FakeSystem& s) { setFolder(s, kRegExpandSz, sz("%ProgramFiles%")); },
     {},
     true,
     {"\\MSINFO32.EXE"}},
    {"ANumberIsStartedAsItsHexadecimalText",
     [](FakeSystem& s) {
         setPath(s, kRegDword, {0x10, 0x01, 0x00, 0x00});
     },
     {"&h0110"},
     true},
    {"ARefusedKeyCountsAsNotFound",
     [](FakeSystem& s) {
         setPath(s, kRegSz, sz("C:\\refused.exe"));
         s.memory.refuseAccess(kHkeyLocalMachine, kPathKey);
         setFolder(s, kRegSz, sz(kFolder));
         s.normalFiles.insert(kTool);
         s.programs.insert(kTool);
     },
     {kTool},
     false,
     {kTool}},
    // No command interpreter sees the path: it is one program that is not there.
    {"ShellMetacharactersAreOnlyPartOfThePath",
     [](FakeSystem& s) {
         setPath(s, kRegSz, sz("/bin/true; touch /tmp/x"));
         s.programs.insert("/bin/true");
     },
     {"/bin/true; touch /tmp/x"},
     true},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class SysInfoCases : public SysInfo, public ::testing::WithParamInterface<Case> {};

TEST_P(SysInfoCases, StartsTheRightPathOrShowsTheMessage) {
    const Case& c = GetParam();
    c.setUp(system);
    if (c.message) expectUnavailable();
    clickSysInfo();
    EXPECT_EQ(system.started, c.started);
    for (const forms::StartedWindow style : system.styles)
        EXPECT_EQ(style, forms::StartedWindow::NormalFocus);
    EXPECT_EQ(system.searched, c.searched);
    EXPECT_EQ(runtime.backend().pendingExpectations(), 0U);
    EXPECT_EQ(runtime.backend().shownMessageBoxes().size(), c.message ? 1U : 0U);
    EXPECT_EQ(system.memory.openHandles(), 0);
    EXPECT_EQ(app().errorCount(), 0);  // every error was the launcher's to trap
    EXPECT_TRUE(isLoaded(window::kAbout));
}

INSTANTIATE_TEST_SUITE_P(Launcher, SysInfoCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// GetKeyValue on its own: what it leaves in the value text.
TEST_F(SysInfo, ReadsTextsAsStoredAndNumbersInHexadecimal) {
    auto& memory = system.memory;
    memory.setValue(kHkeyLocalMachine, "K", "zero", kRegSz, sz("abc"));
    memory.setValue(kHkeyLocalMachine, "K", "bare", kRegSz, raw("abc"));
    memory.setValue(kHkeyLocalMachine, "K", "number", kRegDword, {0x10, 0x01, 0x00, 0x00});
    memory.setValue(kHkeyLocalMachine, "K", "big", kRegDword, {0xEF, 0xBE, 0xAD, 0xDE});
    memory.setValue(kHkeyLocalMachine, "K", "binary", kRegBinary, {1, 2, 3});
    memory.setValue(kHkeyLocalMachine, "K", "empty", kRegSz, {});

    struct Read {
        const char* value;
        std::string before;
        bool found;
        std::string after;
    };
    const std::vector<Read> reads = {
        {"zero", "", true, "abc"},
        {"bare", "", true, "abc"},
        {"number", "", true, "&h0110"},
        // The digits are appended to whatever the text held.
        {"number", "&h", true, "&h&h0110"},
        {"big", "", true, "&hDEADBEEF"},
        {"binary", "kept", true, "kept"},
        {"missing", "lost", false, ""},
    };
    for (const Read& r : reads) {
        std::string text = r.before;
        EXPECT_EQ(about().GetKeyValue(kHkeyLocalMachine, "K", r.value, text), r.found) << r.value;
        EXPECT_EQ(text, r.after) << r.value;
    }
    std::string text = "kept";
    EXPECT_FALSE(about().GetKeyValue(kHkeyLocalMachine, "Nope", "zero", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(memory.openHandles(), 0);

    try {
        (void)about().GetKeyValue(kHkeyLocalMachine, "K", "empty", text);
        ADD_FAILURE() << "a zero-byte value raised no error";
    } catch (const forms::RuntimeError& error) {
        EXPECT_EQ(error.number(), forms::RuntimeError::InvalidProcedureCall);
    }
    EXPECT_EQ(memory.openHandles(), 0);  // closed on the way out of the error too
}

TEST_F(SysInfo, ATextWithAZeroInsideKeepsWhatFollowsIt) {
    system.memory.setValue(kHkeyLocalMachine, "K", "v", kRegSz, sz(std::string("ab\0cd", 5)));
    std::string text;
    EXPECT_TRUE(about().GetKeyValue(kHkeyLocalMachine, "K", "v", text));
    EXPECT_EQ(text, std::string("ab\0cd", 5));
}

}  // namespace
}  // namespace klonkatron::testing
