// Klonkatron.exe's twin for measuring: the game as the Windows program runs
// it (real windows, the Win32 backend, real time), played through its own
// rules to a level and then left running. A console program, so that
// "ready" reaches standard output; its command line and output are those of
// the Qt harness (bench::BoardRun, bench::BoardSession).
#include <windows.h>

#include "bench/board_session.h"
#include "program/win32_program.h"

namespace {

// Dispatches the thread's messages until `finished` holds after one of
// them. A quit message is put back for the program's own loop.
template <typename Finished>
void runMessages(Finished finished) {
    MSG message;
    do {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    } while (!finished(message));
}

// Time passes in nested Win32 message loops, as it does while a message box
// shows.
class Win32EventLoop : public bench::EventLoop {
public:
    void runFor(int milliseconds) override {
        const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), nullptr);
        runMessages([timer](const MSG& message) {
            return message.message == WM_TIMER && message.hwnd == nullptr &&
                   message.wParam == timer;
        });
        KillTimer(nullptr, timer);
    }

    void runUntilCalled(std::function<void()>& quit) override {
        bool called = false;
        quit = [&called] { called = true; };
        runMessages([&called](const MSG&) { return called; });
        quit = nullptr;
    }
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
    Win32EventLoop loop;
    bench::BoardSession board(program.app(), *run, loop);
    session = &board;
    SetTimer(nullptr, 0, 0, &startSession);
    return program.run();
}
