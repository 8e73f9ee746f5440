// Stands in for the system-information tool in the Windows tests: writes,
// in a file beside itself named after it with ".ran" added, the command
// line it was started with and the window style it was given.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>
#include <vector>

int main() {
    std::vector<char> self(MAX_PATH);
    const DWORD n = GetModuleFileNameA(nullptr, self.data(), static_cast<DWORD>(self.size()));
    const std::string path(self.data(), n);
    STARTUPINFOA startup{};
    GetStartupInfoA(&startup);
    const std::string style = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0
                                  ? std::to_string(startup.wShowWindow)
                                  : std::string("none");
    const std::string report = std::string(GetCommandLineA()) + "\n" + style + "\n";

    // Written whole under another name first, so that the test never reads half of it.
    const std::string part = path + ".part";
    const HANDLE file = CreateFileA(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != report.size()) return 1;
    return MoveFileExA(part.c_str(), (path + ".ran").c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
