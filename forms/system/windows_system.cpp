// The real services of Windows. Built only there.
#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <vector>

#include "forms/runtime_error.h"
#include "forms/system/batch_file.h"
#include "forms/system/native_system.h"
#include "forms/system/windows_system.h"

namespace forms {
namespace {

HKEY predefinedKey(Registry::Key root) {
    switch (root) {
        case reg::kHkeyClassesRoot:
            return HKEY_CLASSES_ROOT;
        case reg::kHkeyCurrentUser:
            return HKEY_CURRENT_USER;
        case reg::kHkeyLocalMachine:
            return HKEY_LOCAL_MACHINE;
        case reg::kHkeyUsers:
            return HKEY_USERS;
        case reg::kHkeyCurrentConfig:
            return HKEY_CURRENT_CONFIG;
        default:
            return nullptr;
    }
}

// A zero byte inside a text would make the system read a shorter one.
bool hasZero(const std::string& text) { return text.find('\0') != std::string::npos; }

}  // namespace

// --- Registry --------------------------------------------------------------

WindowsRegistry::~WindowsRegistry() {
    for (const auto& [handle, key] : open_) RegCloseKey(static_cast<HKEY>(key));
}

std::int32_t WindowsRegistry::openKey(Key root, const std::string& subKey, std::uint32_t options,
                                      std::uint32_t access, Key& opened) {
    opened = 0;
    HKEY parent = predefinedKey(root);
    if (parent == nullptr) {
        void* const* open = open_.find(root);
        if (open == nullptr) return reg::kErrorInvalidHandle;
        parent = static_cast<HKEY>(*open);
    }
    if (hasZero(subKey)) return reg::kErrorFileNotFound;
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(parent, subKey.c_str(), options, access, &key);
    if (result != ERROR_SUCCESS) return result;
    opened = open_.add(key);
    return reg::kErrorSuccess;
}

std::int32_t WindowsRegistry::queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                                         std::span<std::uint8_t> data, std::uint32_t& size) {
    void* const* open = open_.find(key);
    if (open == nullptr) return reg::kErrorInvalidHandle;
    if (hasZero(valueName)) return reg::kErrorFileNotFound;
    // Windows leaves the buffer undefined when the value does not fit; the
    // callers rely on it untouched, so the system writes into a copy that
    // comes back only on success.
    const DWORD offered = static_cast<DWORD>(std::min<size_t>(size, data.size()));
    std::vector<BYTE> scratch(data.begin(), data.begin() + offered);
    scratch.push_back(0);  // never empty, and never read back
    DWORD stored = offered;
    DWORD storedType = REG_NONE;
    const LONG result = RegQueryValueExA(static_cast<HKEY>(*open), valueName.c_str(), nullptr,
                                         &storedType, scratch.data(), &stored);
    type = storedType;
    size = stored;
    if (result == ERROR_SUCCESS) std::copy_n(scratch.begin(), offered, data.begin());
    return result;
}

std::int32_t WindowsRegistry::closeKey(Key key) {
    void* const* open = open_.find(key);
    if (open == nullptr) return reg::kErrorInvalidHandle;
    const LONG result = RegCloseKey(static_cast<HKEY>(*open));
    open_.remove(key);
    return result;
}

// --- Programs and files ------------------------------------------------------

double WindowsSystem::shell(const std::string& path, StartedWindow style) {
    // A quote cannot stand in a Windows path, and would end the quoted name
    // in the command line.
    if (path.empty() || hasZero(path) || path.find('"') != std::string::npos) {
        throw RuntimeError(RuntimeError::FileNotFound);
    }
    // CreateProcessA would start the command interpreter for a batch file,
    // and it would read the path as commands.
    if (isBatchFile(path)) throw RuntimeError(RuntimeError::PathFileAccessError);
    std::string commandLine = "\"" + path + "\"";  // CreateProcessA may write to it
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);  // the styles are the SW_ values
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME || error == ERROR_BAD_PATHNAME) {
            throw RuntimeError(RuntimeError::FileNotFound);
        }
        throw RuntimeError(RuntimeError::PathFileAccessError);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<double>(process.dwProcessId);
}

std::string WindowsSystem::findFile(const std::string& path, int attributes) {
    if (path.empty() || hasZero(path)) return {};
    DWORD skipped = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    if ((attributes & 2) != 0) skipped &= ~static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN);
    if ((attributes & 4) != 0) skipped &= ~static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM);
    if ((attributes & 16) != 0) skipped &= ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY);
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    std::string name;
    do {
        if ((found.dwFileAttributes & skipped) == 0) {
            name = found.cFileName;
            break;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return name;
}

std::unique_ptr<SystemServices> makeNativeSystem() { return std::make_unique<WindowsSystem>(); }

}  // namespace forms

#endif  // _WIN32
