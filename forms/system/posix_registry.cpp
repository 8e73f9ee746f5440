#include "forms/system/posix_registry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace forms {
namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<std::string> PosixRegistry::defaultTools() {
    return {"hardinfo", "hardinfo2", "kinfocenter", "gnome-system-monitor"};
}

std::vector<std::string> PosixRegistry::searchFolders() {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return {"/usr/local/bin", "/usr/bin", "/bin"};
    std::vector<std::string> folders;
    const std::string list = path;
    for (size_t from = 0; from <= list.size();) {
        const size_t end = std::min(list.find(':', from), list.size());
        std::string folder = list.substr(from, end - from);
        // A relative folder would depend on where the program was started.
        if (!folder.empty() && folder.front() == '/') folders.push_back(std::move(folder));
        from = end + 1;
    }
    return folders;
}

PosixRegistry::PosixRegistry(std::vector<std::string> tools, std::vector<std::string> folders)
    : tools_(std::move(tools)), folders_(std::move(folders)) {}

std::string PosixRegistry::installedTool() const {
    for (const std::string& tool : tools_) {
        for (const std::string& folder : folders_) {
            std::string path = folder;
            if (path.back() != '/') path += '/';
            path += tool;
            if (isExecutableFile(path)) return path;
        }
    }
    return {};
}

std::int32_t PosixRegistry::openKey(Key root, const std::string& subKey, std::uint32_t options,
                                    std::uint32_t access, Key& opened) {
    memory_.clear();
    const std::string tool = installedTool();
    if (!tool.empty()) {
        std::vector<std::uint8_t> data(tool.begin(), tool.end());
        data.push_back(0);
        memory_.setValue(reg::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                         "PATH", reg::kRegSz, std::move(data));
    }
    return memory_.openKey(root, subKey, options, access, opened);
}

}  // namespace forms
