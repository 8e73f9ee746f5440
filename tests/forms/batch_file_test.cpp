// Paths Windows would hand to its command interpreter, which the program
// never starts.

#include <gtest/gtest.h>

#include "forms/system/batch_file.h"

namespace coretest {
namespace {

TEST(BatchFileTest, BatchFilesInAnyCaseAndWithTheEndsWindowsDrops) {
    for (const char* path :
         {"C:\\tools\\run.bat", "C:\\tools\\run.cmd", "RUN.BAT", "x.Cmd", "C:\\tools\\run.bat.",
          "C:\\tools\\run.cmd  ", "run.bat. . ", ".bat"}) {
        EXPECT_TRUE(forms::isBatchFile(path)) << path;
    }
}

TEST(BatchFileTest, ProgramsAndOtherNamesAreNot) {
    for (const char* path :
         {"C:\\Windows\\System32\\msinfo32.exe", "C:\\tools\\bat", "C:\\bat\\tool.exe",
          "run.bat.exe", "run.batch", "at", "", "...", "/usr/bin/hardinfo"}) {
        EXPECT_FALSE(forms::isBatchFile(path)) << path;
    }
}

}  // namespace
}  // namespace coretest
