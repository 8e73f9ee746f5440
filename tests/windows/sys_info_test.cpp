// "&System Info..." of the About window on the real registry, files and
// programs of Windows: the tool found by either look-up is started, and
// with none found the one message shows.
#include <gtest/gtest.h>

#include "designs/window_names.h"
#include "forms/system/windows_system.h"
#include "program/headless_program.h"
#include "tests/windows/windows_support.h"

namespace klonkatron::testing {
namespace {

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class WindowsSysInfo : public ::testing::Test {
protected:
    WindowsSysInfo() {
        // Neither look-up finds anything until a test says so.
        path.remove();
        folderValue.remove();
        program.start();
        runtime.clickButton(window::kSplash, "Command1");
        runtime.clickButton(window::kBoard, "Command2");
    }
    void clickSysInfo() { runtime.clickButton(window::kAbout, "cmdSysInfo"); }

    ScopedMachineValue path{kPathKey, "PATH"};
    ScopedMachineValue folderValue{kFolderKey, "MSINFO"};
    TempFolder folder;
    forms::WindowsSystem system;
    HeadlessProgram program{system};
    forms::headless::TestDriver& runtime = program.driver();
};

TEST_F(WindowsSysInfo, StartsThePathOfTheFirstLookUp) {
    const std::string tool = folder.tool("tool.exe");
    path.setText(tool);
    clickSysInfo();  // a message box would fail the test
    EXPECT_EQ(startedAs(tool), "\"" + tool + "\"\n1\n");
    EXPECT_EQ(runtime.app().errorCount(), 0);
}

TEST_F(WindowsSysInfo, StartsTheToolInTheFolderOfTheSecondLookUp) {
    const std::string tool = folder.tool("MSINFO32.EXE");
    folderValue.setText(folder.str());
    clickSysInfo();
    EXPECT_EQ(startedAs(tool), "\"" + tool + "\"\n1\n");
}

TEST_F(WindowsSysInfo, WithNothingFoundShowsTheMessage) {
    runtime.backend().expectMessageBox(
        {"System Information Is Unavailable At This Time", "Klonkatron Game"},
        forms::MsgResult::Ok);
    // A folder without the tool in it finds nothing either.
    folderValue.setText(folder.str());
    clickSysInfo();
    EXPECT_EQ(runtime.backend().pendingExpectations(), 0U);
    EXPECT_TRUE(runtime.app().isLoaded(window::kAbout));
}

TEST_F(WindowsSysInfo, APathToNothingShowsTheMessage) {
    runtime.backend().expectMessageBox(
        {"System Information Is Unavailable At This Time", "Klonkatron Game"},
        forms::MsgResult::Ok);
    path.setText(folder / "missing.exe");
    clickSysInfo();
    EXPECT_EQ(runtime.backend().pendingExpectations(), 0U);
}

}  // namespace
}  // namespace klonkatron::testing
