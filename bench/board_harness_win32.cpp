// Klonkatron.exe's twin for measuring: the game as the Windows program runs
// it (real windows, the Win32 backend, real time), played through its own
// rules to a level and then left running. A console program, so that
// "ready" reaches standard output; its command line and output are those of
// the Qt harness (bench::BoardRun, bench::BoardSession).
#include <windows.h>

#include <algorithm>
#include <vector>

#include "bench/board_session.h"
#include "program/win32_program.h"

namespace {

// The thread timers that went off and were not yet looked for.
std::vector<UINT_PTR> elapsed;

void CALLBACK timerElapsed(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    elapsed.push_back(timer);
}

// Time passes in the program's own loop, nested, as the program runs it.
class Win32EventLoop : public bench::EventLoop {
public:
    explicit Win32EventLoop(forms::win32::Win32Backend& backend) : backend_(backend) {}

    void runFor(int milliseconds) override {
        const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), &timerElapsed);
        backend_.runUntil([timer] {
            const auto found = std::find(elapsed.begin(), elapsed.end(), timer);
            if (found == elapsed.end()) return false;
            elapsed.erase(found);
            return true;
        });
        KillTimer(nullptr, timer);
    }

    void runUntilCalled(std::function<void()>& quit) override {
        bool called = false;
        quit = [&called] { called = true; };
        backend_.runUntil([&called] { return called; });
        quit = nullptr;
    }

private:
    forms::win32::Win32Backend& backend_;
};

bench::BoardSession* session = nullptr;

// The session starts from the program's own loop, once, like a Qt timer
// of no time.
void CALLBACK startSession(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    session->play();
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto run = bench::BoardRun::parse(argc, argv);
    if (!run) return 2;

    klonkatron::prepareWin32Process();
    klonkatron::Win32Program program;
    Win32EventLoop loop(program.backend());
    bench::BoardSession board(program.app(), *run, loop);
    session = &board;
    SetTimer(nullptr, 0, 0, &startSession);
    return program.run();
}
