#pragma once

// What the Windows tests share: the folder of the test program, folders of
// their own, the stand-in for the system-information tool, and registry
// values set for one test and put back afterwards.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace klonkatron::testing {

namespace fs = std::filesystem;

// The folder the test program was started from, where the build also put
// the stand-in tool.
inline fs::path programFolder() {
    std::vector<char> path(MAX_PATH);
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return fs::path(std::string(path.data(), n)).parent_path();
}

// A folder of its own, with a space in its name, removed afterwards; a
// program still running from it may hold its files a little longer.
class TempFolder {
public:
    TempFolder() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = fs::temp_directory_path() /
                ("klonkatron tests " + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(stamp));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        for (int i = 0; i < 50; ++i) {
            std::error_code error;
            fs::remove_all(path_, error);
            if (!error) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] std::string str() const { return path_.string(); }
    [[nodiscard]] std::string operator/(const std::string& name) const {
        return (path_ / name).string();
    }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
        return *this / name;
    }
    // A copy of the stand-in tool, which reports how it was started in a
    // file beside itself (startedAs).
    [[nodiscard]] std::string tool(const std::string& name) const {
        fs::copy_file(programFolder() / "sysinfo_probe.exe", path_ / name,
                      fs::copy_options::overwrite_existing);
        return *this / name;
    }

private:
    fs::path path_;
};

// The report of the stand-in tool at `tool`, once it has run (within ten
// seconds), or nothing: its command line, then the window style it was
// given. The report appears by a rename; under Wine an open of the new name
// can still fail for a moment (the handle the rename went through may not
// share reading yet), so a failed open is tried again, never read as empty.
inline std::optional<std::string> startedAs(const std::string& tool) {
    const fs::path report = tool + ".ran";
    for (int i = 0; i < 1000; ++i) {
        if (std::ifstream in{report, std::ios::binary}) {
            std::stringstream text;
            text << in.rdbuf();
            return text.str();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

// A registry value under HKEY_LOCAL_MACHINE as one test needs it, text or
// absent; what was there before comes back when the test ends.
class ScopedMachineValue {
public:
    ScopedMachineValue(std::string key, std::string name)
        : key_(std::move(key)), name_(std::move(name)) {
        HKEY open = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_QUERY_VALUE, &open) !=
            ERROR_SUCCESS) {
            return;
        }
        DWORD size = 0;
        if (RegQueryValueExA(open, name_.c_str(), nullptr, &savedType_, nullptr, &size) ==
            ERROR_SUCCESS) {
            std::vector<BYTE> data(size);
            if (RegQueryValueExA(open, name_.c_str(), nullptr, &savedType_, data.data(), &size) ==
                ERROR_SUCCESS) {
                data.resize(size);
                saved_ = std::move(data);
            }
        }
        RegCloseKey(open);
    }
    ~ScopedMachineValue() {
        if (saved_) {
            set(savedType_, *saved_);
        } else {
            remove();
        }
    }
    ScopedMachineValue(const ScopedMachineValue&) = delete;
    ScopedMachineValue& operator=(const ScopedMachineValue&) = delete;

    // Text with its terminating zero.
    void setText(const std::string& text) {
        set(REG_SZ, std::vector<BYTE>(text.begin(), text.end() + 1));
    }
    void remove() const {
        HKEY open = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_SET_VALUE, &open) ==
            ERROR_SUCCESS) {
            RegDeleteValueA(open, name_.c_str());
            RegCloseKey(open);
        }
    }

private:
    void set(DWORD type, const std::vector<BYTE>& data) const {
        HKEY open = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &open, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(open, name_.c_str(), 0, type, data.data(),
                           static_cast<DWORD>(data.size()));
            RegCloseKey(open);
        }
    }

    std::string key_;
    std::string name_;
    DWORD savedType_ = REG_NONE;
    std::optional<std::vector<BYTE>> saved_;
};

}  // namespace klonkatron::testing
