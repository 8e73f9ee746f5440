// The real POSIX services: the registry offers an installed tool and nothing
// else, programs start by their path alone and leave no zombie, and only
// normal files are found.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "designs/window_names.h"
#include "forms/system/posix_system.h"
#include "tests/run_time_error.h"
#include "tests/side_windows/program.h"

namespace klonkatron::testing {
namespace {

namespace fs = std::filesystem;
using namespace forms::reg;

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "klonkatron-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] std::string operator/(const std::string& name) const {
        return (path_ / name).string();
    }
    [[nodiscard]] std::string str() const { return path_.string(); }
    // A file with that text, executable or not.
    std::string write(const std::string& name, const std::string& text, bool executable) const {
        std::string file = *this / name;
        std::ofstream(file) << text;
        fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read);
        return file;
    }

private:
    fs::path path_;
};

template <class Condition>
bool within5Seconds(Condition done) {
    for (int i = 0; i < 500; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// What the registry holds as PATH, or why it could not be read.
std::string offered(forms::Registry& registry) {
    forms::Registry::Key key = 0;
    const auto opened = registry.openKey(kHkeyLocalMachine, kPathKey, 0, kKeyRead, key);
    if (opened != kErrorSuccess) return "open " + std::to_string(opened);
    std::vector<std::uint8_t> buffer(1024, 0xEE);
    std::uint32_t type = 0;
    std::uint32_t size = 1024;
    const auto read = registry.queryValue(key, "PATH", type, buffer, size);
    registry.closeKey(key);
    if (read != kErrorSuccess || type != kRegSz) return "query " + std::to_string(read);
    return {buffer.begin(), buffer.begin() + size};
}

TEST(PosixRegistry, OffersTheFirstToolOfTheListThatIsInstalled) {
    const TempFolder first;
    const TempFolder second;
    forms::PosixRegistry registry({"hardinfo", "kinfocenter"}, {first.str(), second.str()});
    EXPECT_EQ(offered(registry), "open 2");

    first.write("hardinfo", "", false);  // not executable: not installed
    second.write("kinfocenter", "", true);
    EXPECT_EQ(offered(registry), second / "kinfocenter" + '\0');

    second.write("hardinfo", "", true);  // earlier in the list, later folder
    EXPECT_EQ(offered(registry), second / "hardinfo" + '\0');
    EXPECT_EQ(registry.installedTool(), second / "hardinfo");
}

TEST(PosixRegistry, OffersNothingElse) {
    const TempFolder folder;
    folder.write("hardinfo", "", true);
    forms::PosixRegistry registry({"hardinfo"}, {folder.str()});
    forms::Registry::Key key = 1;
    EXPECT_EQ(registry.openKey(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", 0,
                               kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_EQ(key, 0U);
    EXPECT_EQ(registry.openKey(kHkeyCurrentUser, kPathKey, 0, kKeyRead, key), kErrorFileNotFound);
    // Read only: a request for the rights to change it is refused.
    EXPECT_EQ(registry.openKey(kHkeyLocalMachine, kPathKey, 0, 0x2003F, key), kErrorAccessDenied);
}

TEST(PosixRegistry, SearchesOnlyTheAbsoluteFoldersOfPath) {
    const char* saved = std::getenv("PATH");
    const std::string before = saved ? saved : "";
    setenv("PATH", "/usr/bin::.:relative:/bin", 1);
    EXPECT_EQ(forms::PosixRegistry::searchFolders(),
              (std::vector<std::string>{"/usr/bin", "/bin"}));
    unsetenv("PATH");
    EXPECT_EQ(forms::PosixRegistry::searchFolders(),
              (std::vector<std::string>{"/usr/local/bin", "/usr/bin", "/bin"}));
    if (saved) setenv("PATH", before.c_str(), 1);
}

class PosixShell : public ::testing::Test {
protected:
    // The run-time error a start raises, or 0.
    int errorOf(const std::string& path) {
        return runTimeErrorOf([&] { system.shell(path, forms::StartedWindow::NormalFocus); });
    }
    forms::PosixSystem system;
    TempFolder folder;
};

TEST_F(PosixShell, StartsTheProgramAndLeavesNoZombie) {
    const std::string marker = folder / "ran";
    const std::string script = folder.write("tool", "#!/bin/sh\ntouch '" + marker + "'\n", true);
    const auto pid = static_cast<pid_t>(system.shell(script, forms::StartedWindow::NormalFocus));
    EXPECT_GT(pid, 0);
    EXPECT_TRUE(within5Seconds([&] { return fs::exists(marker); }));
    // A zombie would still answer a signal 0.
    EXPECT_TRUE(within5Seconds([&] { return kill(pid, 0) == -1 && errno == ESRCH; }));
}

TEST_F(PosixShell, NoCommandInterpreterEverSeesThePath) {
    const std::string marker = folder / "x";
    EXPECT_EQ(errorOf("/bin/true; touch " + marker), forms::RuntimeError::FileNotFound);
    EXPECT_EQ(errorOf("$(touch " + marker + ")"), forms::RuntimeError::FileNotFound);
    // A text without its interpreter line is no program, and no shell reads it.
    EXPECT_EQ(errorOf(folder.write("commands", "touch '" + marker + "'\n", true)),
              forms::RuntimeError::PathFileAccessError);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(PosixShell, ReportsWhyAProgramDidNotStart) {
    EXPECT_EQ(errorOf(""), forms::RuntimeError::FileNotFound);
    EXPECT_EQ(errorOf(folder / "missing"), forms::RuntimeError::FileNotFound);
    // PATH is not searched: a bare name is a file in the current folder.
    EXPECT_EQ(errorOf("true"), forms::RuntimeError::FileNotFound);
    // A zero byte inside must not cut the path short.
    EXPECT_EQ(errorOf(std::string("/bin/true\0junk", 14)), forms::RuntimeError::FileNotFound);
    EXPECT_EQ(errorOf(folder.write("plain", "", false)), forms::RuntimeError::PathFileAccessError);
    EXPECT_EQ(errorOf(folder.str()), forms::RuntimeError::PathFileAccessError);
}

TEST_F(PosixShell, FindsOnlyNormalFilesWithEitherSeparator) {
    folder.write("MSINFO32.EXE", "", false);
    fs::create_directory(folder / "sub");
    fs::create_symlink(folder / "MSINFO32.EXE", folder / "link");
    fs::create_symlink(folder / "gone", folder / "dangling");
    std::string windowsStyle = folder / "MSINFO32.EXE";
    for (char& c : windowsStyle) {
        if (c == '/') c = '\\';
    }

    EXPECT_EQ(system.findFile(folder / "MSINFO32.EXE", 0), "MSINFO32.EXE");
    EXPECT_EQ(system.findFile(windowsStyle, 0), "MSINFO32.EXE");
    EXPECT_EQ(system.findFile(folder / "link", 0), "link");
    for (const std::string& none :
         {folder / "sub", folder / "dangling", folder / "missing", folder.str() + "/",
          std::string("\\MSINFO32.EXE"), std::string()})
        EXPECT_EQ(system.findFile(none, 0), "") << none;
}

// The About window with the real services: the tool the CI machine has
// installed is what "&System Info..." starts.
class RecordingPosixSystem : public forms::PosixSystem {
public:
    double shell(const std::string& path, forms::StartedWindow style) override {
        started.push_back(path);
        const double task = PosixSystem::shell(path, style);
        tasks.push_back(static_cast<pid_t>(task));
        return task;
    }
    // The tools started end with the test, not whenever they finish.
    ~RecordingPosixSystem() override {
        for (const pid_t task : tasks) kill(task, SIGTERM);
    }
    std::vector<std::string> started;
    std::vector<pid_t> tasks;
};

TEST(PosixAbout, SystemInfoStartsTheInstalledTool) {
    RecordingPosixSystem system;
    const std::string tool = forms::PosixRegistry().installedTool();
    ASSERT_NE(tool.find("hardinfo"), std::string::npos)
        << "hardinfo is not installed (packaging/debian-build-deps.txt)";
    HeadlessProgram program(system);
    program.start();
    forms::headless::TestDriver& runtime = program.driver();
    runtime.clickButton(window::kSplash, "Command1");
    runtime.clickButton(window::kBoard, "Command2");
    runtime.clickButton(window::kAbout, "cmdSysInfo");  // a message box would fail the test
    EXPECT_EQ(system.started, std::vector<std::string>{tool});
    EXPECT_EQ(runtime.app().errorCount(), 0);
}

}  // namespace
}  // namespace klonkatron::testing
