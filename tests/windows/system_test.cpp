// The real services of Windows: a program starts by its path alone, with
// the window style asked for, and find-file finds normal files only.
#include <gtest/gtest.h>

#include "forms/runtime_error.h"
#include "forms/system/windows_system.h"
#include "tests/run_time_error.h"
#include "tests/windows/windows_support.h"

namespace klonkatron::testing {
namespace {

class WindowsShell : public ::testing::Test {
protected:
    // The run-time error a start raises, or 0.
    int errorOf(const std::string& path) {
        return runTimeErrorOf([&] { system.shell(path, forms::StartedWindow::NormalFocus); });
    }
    forms::WindowsSystem system;
    TempFolder folder;
};

TEST_F(WindowsShell, StartsTheProgramByItsPathWithTheStyleAskedFor) {
    const std::string tool = folder.tool("tool.exe");
    EXPECT_GT(system.shell(tool, forms::StartedWindow::MinimizedFocus), 0);
    // The folder's name has a space: the program's name comes quoted.
    EXPECT_EQ(startedAs(tool), "\"" + tool + "\"\n2\n");
}

TEST_F(WindowsShell, ReportsWhyAProgramDidNotStart) {
    EXPECT_EQ(errorOf(""), forms::RuntimeError::FileNotFound);
    EXPECT_EQ(errorOf(folder / "missing.exe"), forms::RuntimeError::FileNotFound);
    EXPECT_EQ(errorOf(folder / "missing\\tool.exe"), forms::RuntimeError::FileNotFound);
    // A zero byte inside must not cut the path short, nor a quote end it.
    const std::string tool = folder.tool("tool.exe");
    EXPECT_EQ(errorOf(tool + std::string("\0junk", 5)), forms::RuntimeError::FileNotFound);
    EXPECT_EQ(errorOf(tool + "\" x"), forms::RuntimeError::FileNotFound);
    // A file that is no program, and a folder.
    EXPECT_EQ(errorOf(folder.write("plain.exe", "just text")),
              forms::RuntimeError::PathFileAccessError);
    EXPECT_EQ(errorOf(folder.str()), forms::RuntimeError::PathFileAccessError);
}

TEST_F(WindowsShell, APathIsNeverLookedUpInTheSearchPath) {
    // cmd.exe is in the system folder, which the search path names.
    EXPECT_EQ(errorOf("cmd.exe"), forms::RuntimeError::FileNotFound);
}

class WindowsFindFile : public ::testing::Test {
protected:
    forms::WindowsSystem system;
    TempFolder folder;
};

TEST_F(WindowsFindFile, FindsNormalFilesOnly) {
    folder.write("MSINFO32.EXE", "");
    SetFileAttributesA((folder / "MSINFO32.EXE").c_str(), FILE_ATTRIBUTE_READONLY);
    folder.write("hidden.exe", "");
    SetFileAttributesA((folder / "hidden.exe").c_str(), FILE_ATTRIBUTE_HIDDEN);
    folder.write("system.exe", "");
    SetFileAttributesA((folder / "system.exe").c_str(), FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA((folder / "sub").c_str(), nullptr);

    EXPECT_EQ(system.findFile(folder / "MSINFO32.EXE", 0), "MSINFO32.EXE");
    // Names compare without regard to case; the file's own name comes back.
    EXPECT_EQ(system.findFile(folder / "msinfo32.exe", 0), "MSINFO32.EXE");
    for (const std::string& none :
         {folder / "hidden.exe", folder / "system.exe", folder / "sub", folder / "missing",
          std::string("\\MSINFO32.EXE"), std::string(),
          (folder / "MSINFO32.EXE") + std::string("\0", 1)})
        EXPECT_EQ(system.findFile(none, 0), "") << none;
    // Asked for, hidden files and folders are found too.
    EXPECT_EQ(system.findFile(folder / "hidden.exe", 2), "hidden.exe");
    EXPECT_EQ(system.findFile(folder / "sub", 16), "sub");

    SetFileAttributesA((folder / "MSINFO32.EXE").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((folder / "hidden.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((folder / "system.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace klonkatron::testing
