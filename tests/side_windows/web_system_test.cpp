// The system of a web page: no program starts, no file is found and the
// registry is empty, so the About window's tool is unavailable there.
#include <gtest/gtest.h>

#include <array>

#include "designs/window_names.h"
#include "forms/system/native_system.h"
#include "program/headless_program.h"
#include "tests/run_time_error.h"

namespace klonkatron::testing {
namespace {

using namespace forms::reg;

TEST(WebSystem, StartsNothingFindsNothingAndReadsNoRegistry) {
    const auto system = forms::makeNativeSystem();
    EXPECT_EQ(
        runTimeErrorOf([&] { (void)system->shell("/bin/true", forms::StartedWindow::Hidden); }),
        forms::RuntimeError::FileNotFound);
    EXPECT_EQ(system->findFile("klonkatron.html", 0), "");
    forms::Registry::Key key = 1;
    EXPECT_EQ(system->registry().openKey(
                  kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0, kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_EQ(key, 0U);
}

TEST(WebSystem, TheAboutWindowsToolIsUnavailable) {
    HeadlessProgram program(SystemChoice::Native);
    auto& driver = program.driver();
    program.start();
    driver.clickButton(window::kSplash, "Command1");
    driver.clickButton(window::kBoard, "Command2");
    program.backend().expectMessageBox(
        {"System Information Is Unavailable At This Time", "Klonkatron Game"},
        forms::MsgResult::Ok);
    driver.clickButton(window::kAbout, "cmdSysInfo");
    EXPECT_EQ(program.backend().pendingExpectations(), 0U);
    EXPECT_EQ(program.app().errorCount(), 0);
}

}  // namespace
}  // namespace klonkatron::testing
