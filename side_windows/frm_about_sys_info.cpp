// The About window's launcher of the system-information tool: two registry
// look-ups, the second naming only the tool's folder, then a start by path.
#include <cstdint>
#include <vector>

#include "forms/runtime_error.h"
#include "side_windows/frm_about.h"

namespace klonkatron {
namespace {

using forms::Registry;
using forms::RuntimeError;

// The full path of the tool.
constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kPathValue = "PATH";
// The folder of the tool, under its Windows name.
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kFolderValue = "MSINFO";
constexpr const char* kToolName = "\\MSINFO32.EXE";

constexpr std::uint32_t kBufferSize = 1024;

// The character at a position counted from 1; a position outside the text
// raises "invalid procedure call or argument".
char characterAt(const std::string& text, std::uint32_t position) {
    if (position < 1 || position > text.size()) {
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    }
    return text[position - 1];
}

// A character code in capital hexadecimal digits without leading zeros.
std::string hexDigits(unsigned char code) {
    constexpr const char* kDigits = "0123456789ABCDEF";
    std::string digits;
    if (code >= 16) digits += kDigits[code / 16];
    digits += kDigits[code % 16];
    return digits;
}

// Closes an opened key on every way out, a run-time error included.
class OpenKey {
public:
    OpenKey(Registry& registry, Registry::Key key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.closeKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

private:
    Registry& registry_;
    Registry::Key key_;
};

}  // namespace

forms::Task FrmAbout::StartSysInfo() {
    try {
        std::string path;
        if (findSysInfo(path)) {
            app().shell(path, forms::StartedWindow::NormalFocus);
            co_return;
        }
    } catch (const RuntimeError&) {
        // Every failure on the way ends in the one message below.
    }
    co_await app().msgBox("System Information Is Unavailable At This Time", forms::MsgButtons::Ok);
}

bool FrmAbout::findSysInfo(std::string& path) {
    // A full path found is started as it is, whether or not a file is there.
    if (GetKeyValue(forms::reg::kHkeyLocalMachine, kPathKey, kPathValue, path)) return true;
    if (!GetKeyValue(forms::reg::kHkeyLocalMachine, kFolderKey, kFolderValue, path)) return false;
    if (app().findFile(path + kToolName, 0).empty()) return false;
    path += kToolName;
    return true;
}

bool FrmAbout::GetKeyValue(Registry::Key root, const std::string& keyPath,
                           const std::string& valueName, std::string& valueText) {
    Registry& registry = app().registry();
    Registry::Key key = 0;
    // Reading is all this needs; the rights to change the key would be
    // refused to most users and by read-only registries.
    if (registry.openKey(root, keyPath, 0, forms::reg::kKeyRead, key) !=
        forms::reg::kErrorSuccess) {
        valueText.clear();
        return false;
    }
    const OpenKey closer(registry, key);

    std::vector<std::uint8_t> buffer(kBufferSize, 0);
    std::uint32_t type = 0;
    std::uint32_t size = kBufferSize;
    if (registry.queryValue(key, valueName, type, buffer, size) != forms::reg::kErrorSuccess) {
        valueText.clear();
        return false;
    }

    // The buffer read as text, one character per byte; a text's terminating
    // zero, where it was stored, goes. A value of no bytes has no character
    // at its size and raises the run-time error.
    std::string text(buffer.begin(), buffer.end());
    text.resize(characterAt(text, size) == '\0' ? size - 1 : size);

    switch (type) {
        case forms::reg::kRegSz:
            valueText = text;
            break;
        case forms::reg::kRegDword: {
            // The bytes from the last to the first, each in hexadecimal.
            for (auto it = text.rbegin(); it != text.rend(); ++it) {
                valueText += hexDigits(static_cast<unsigned char>(*it));
            }
            valueText = "&h" + valueText;
            break;
        }
        default:
            break;  // found, but the text stays as it was
    }
    return true;
}

}  // namespace klonkatron
