// The About window's registry look-ups over values of any type, size and
// bytes, on a registry that may report sizes of its own, then its start of
// the tool. Each read is checked against a plain reading of the rules, and
// each start against the one outcome allowed: the tool started by the path
// read, or the one message.
#include <string>

#include "designs/window_names.h"
#include "fuzz/fuzz_system.h"
#include "fuzz/registry_input.h"
#include "fuzz/require.h"
#include "program/headless_program.h"
#include "side_windows/frm_about.h"

namespace klonkatron::fuzz {
namespace {

using forms::RuntimeError;
using namespace forms::reg;

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kPathValue = "PATH";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kFolderValue = "MSINFO";
constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";
constexpr size_t kBufferSize = 1024;

// What one look-up gives by the rules: a run-time error, or a result and
// the value text.
struct Lookup {
    bool raised = false;
    bool found = false;
    std::string text;
};

std::string hexDigits(unsigned char code) {
    constexpr const char* kDigits = "0123456789ABCDEF";
    std::string digits;
    if (code >= 16) digits += kDigits[code / 16];
    return digits + kDigits[code % 16];
}

Lookup expectedLookup(const std::optional<StoredValue>& value, bool refused,
                      const std::string& entry) {
    if (!value || refused || value->bytes.size() > kBufferSize) return {};
    const size_t size = value->reportedSize.value_or(value->bytes.size());
    if (size == 0 || size > kBufferSize) return {.raised = true};
    // The buffer past the bytes stored is still zero.
    std::string text(kBufferSize, '\0');
    std::copy(value->bytes.begin(), value->bytes.end(), text.begin());
    text.resize(text[size - 1] == '\0' ? size - 1 : size);
    switch (value->type) {
        case kRegSz:
            return {.found = true, .text = text};
        case kRegDword: {
            std::string digits = entry;
            for (size_t i = text.size(); i-- > 0;) {
                digits += hexDigits(static_cast<unsigned char>(text[i]));
            }
            return {.found = true, .text = "&h" + digits};
        }
        default:
            return {.found = true, .text = entry};
    }
}

void store(FuzzSystem& system, const char* key, const char* name,
           const std::optional<StoredValue>& value, bool refused) {
    ReportingRegistry& registry = system.reporting();
    if (value) {
        registry.memory.setValue(kHkeyLocalMachine, key, name, value->type, value->bytes);
        if (value->reportedSize) registry.reportedSizes[name] = *value->reportedSize;
    }
    if (refused) registry.memory.refuseAccess(kHkeyLocalMachine, key);
}

// The program as it starts, taken to the About window.
class AboutWindow {
public:
    explicit AboutWindow(FuzzSystem& system) : program_(system) {
        program_.start();
        runtime_.clickButton(window::kSplash, "Command1");
        runtime_.clickButton(window::kBoard, "Command2");
        runtime_.backend().answerUnscripted(
            [](const forms::MessageBoxRequest&) { return forms::MsgResult::Ok; });
    }

    FrmAbout& about() { return dynamic_cast<FrmAbout&>(runtime_.form(window::kAbout)); }
    const std::vector<forms::MessageBoxRequest>& boxes() {
        return runtime_.backend().shownMessageBoxes();
    }
    bool aboutIsOpen() { return runtime_.app().isLoaded(window::kAbout); }

private:
    HeadlessProgram program_;
    forms::headless::TestDriver& runtime_ = program_.driver();
};

void checkLookup(FrmAbout& about, FuzzSystem& system, const char* key, const char* name,
                 const std::optional<StoredValue>& value, bool refused, const std::string& entry) {
    const Lookup expected = expectedLookup(value, refused, entry);
    std::string text = entry;
    try {
        const bool found = about.GetKeyValue(kHkeyLocalMachine, key, name, text);
        require(!expected.raised, "a value that has no last character was read");
        require(found == expected.found, "a value was found where there is none, or missed");
        require(text == expected.text, "a value was read as another text");
        if (found && value->type == kRegSz) {
            require(text.size() <= kBufferSize, "a text longer than the buffer was read");
        }
    } catch (const RuntimeError& error) {
        require(expected.raised, "reading a value raised an error");
        require(error.number() == RuntimeError::InvalidProcedureCall, "the wrong error");
    }
    require(system.reporting().memory.openHandles() == 0, "a key stayed open");
}

// The path StartSysInfo should start, or nothing when the message is due.
std::optional<std::string> expectedStart(const RegistryScenario& scenario, FuzzSystem& system) {
    const Lookup first = expectedLookup(scenario.path, scenario.pathKeyRefused, "");
    if (first.raised) return std::nullopt;
    if (first.found) return first.text;
    const Lookup second = expectedLookup(scenario.folder, scenario.folderKeyRefused, "");
    if (second.raised || !second.found) return std::nullopt;
    // Whether the file is there is the system's answer to the one search.
    if (system.searched.size() != 1 || system.lastFound.empty()) return std::nullopt;
    return second.text + "\\" + FuzzSystem::kToolName;
}

void checkStart(const RegistryScenario& scenario) {
    FuzzSystem system;
    system.toolInFolder = scenario.toolInFolder;
    system.startSucceeds = scenario.startSucceeds;
    store(system, kPathKey, kPathValue, scenario.path, scenario.pathKeyRefused);
    store(system, kFolderKey, kFolderValue, scenario.folder, scenario.folderKeyRefused);
    AboutWindow window(system);

    // Any run-time error that left StartSysInfo would end the run here.
    forms::Task looking = window.about().StartSysInfo();
    looking.start();
    require(looking.done(), "the look-up still waits for its box");
    looking.rethrowIfFailed();

    const std::optional<std::string> start = expectedStart(scenario, system);
    require(system.started.size() == (start ? 1 : 0), "a start was asked for, or none");
    if (start) require(system.started.front() == *start, "another path was started");
    const bool message = !start || !scenario.startSucceeds;
    require(window.boxes().size() == (message ? 1 : 0), "the message was missing or extra");
    if (message) {
        require(window.boxes().front().text == kUnavailable, "another message was shown");
        require(window.boxes().front().title == "Klonkatron Game", "the box has another title");
    }
    require(window.aboutIsOpen(), "the About window closed");
    require(system.reporting().memory.openHandles() == 0, "a key stayed open");

    // Each look-up on its own, entered empty as the launcher does and with
    // text already there, which a number's digits follow.
    for (const std::string entry : {"", "C:\\"}) {
        checkLookup(window.about(), system, kPathKey, kPathValue, scenario.path,
                    scenario.pathKeyRefused, entry);
        checkLookup(window.about(), system, kFolderKey, kFolderValue, scenario.folder,
                    scenario.folderKeyRefused, entry);
    }
}

}  // namespace
}  // namespace klonkatron::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    klonkatron::fuzz::checkStart(klonkatron::fuzz::readScenario({data, size}));
    return 0;
}
