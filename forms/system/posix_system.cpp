#include "forms/system/posix_system.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <thread>

#include "forms/runtime_error.h"
#include "forms/system/native_system.h"

extern char** environ;  // the environment the program was given, passed on

namespace forms {
namespace {

// A path with a zero byte inside would name a shorter path than the one
// asked for.
bool usable(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

// The attributes of a started program: no signal blocked, the signals a
// parent may ignore back to their defaults, and a process group of its own
// so that a signal to the game's group does not reach it.
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGTERM, SIGCHLD})
            sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setpgroup(&attributes_, 0);
        posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    [[nodiscard]] const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_{};
};

// Waits for the program's end so that it leaves no zombie behind.
void reapWhenDone(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

double PosixSystem::shell(const std::string& path, StartedWindow /*style*/) {
    if (!usable(path)) throw RuntimeError(RuntimeError::FileNotFound);
    std::string program = path;  // argv wants writable text
    char* argv[] = {program.data(), nullptr};
    const SpawnAttributes attributes;
    pid_t pid = 0;
    // posix_spawn, not posix_spawnp: the path is never looked up in PATH.
    // glibc and the BSDs report a failed exec here, having reaped the child.
    const int error = posix_spawn(&pid, path.c_str(), nullptr, attributes.get(), argv, environ);
    if (error == ENOENT || error == ENOTDIR || error == ELOOP || error == ENAMETOOLONG) {
        throw RuntimeError(RuntimeError::FileNotFound);
    }
    if (error != 0) throw RuntimeError(RuntimeError::PathFileAccessError);
    reapWhenDone(pid);
    return static_cast<double>(pid);
}

std::string PosixSystem::findFile(const std::string& path, int /*attributes*/) {
    if (!usable(path)) return {};
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    const size_t slash = native.rfind('/');
    std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
    struct stat info {};
    if (name.empty() || stat(native.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    return name;
}

std::unique_ptr<SystemServices> makeNativeSystem() { return std::make_unique<PosixSystem>(); }

}  // namespace forms
