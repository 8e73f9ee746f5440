#pragma once

#include <exception>
#include <utility>

#include "forms/coroutine.h"

namespace forms {

// What a handler that waits for a message box returns: a coroutine that
// starts when the runtime starts it, and stops at each `co_await` of a box
// until the answer comes. A task may await another task; an exception
// (a run-time error, the end of the program) travels up to the awaiting
// task, and from the outermost to the runtime. The task owns its frame:
// destroying it destroys the frame, and the frames of the tasks it awaits,
// without running any more of them. An empty task is a handler that has
// already finished.
class [[nodiscard]] Task {
public:
    struct promise_type;
    using Handle = coro::coroutine_handle<promise_type>;

    struct promise_type {
        coro::coroutine_handle<> awaiting;  // the task to go on with when done
        std::exception_ptr error;

        Task get_return_object() { return Task(Handle::from_promise(*this)); }
        coro::suspend_always initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept {
            struct GoOn {
                bool await_ready() noexcept { return false; }
                coro::coroutine_handle<> await_suspend(Handle done) noexcept {
                    const coro::coroutine_handle<> next = done.promise().awaiting;
                    return next ? next : coro::noop_coroutine();
                }
                void await_resume() noexcept {}
            };
            return GoOn{};
        }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { error = std::current_exception(); }
    };

    Task() = default;
    Task(Task&& other) noexcept : frame_(std::exchange(other.frame_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            destroy();
            frame_ = std::exchange(other.frame_, {});
        }
        return *this;
    }
    ~Task() { destroy(); }

    // Runs the task until it finishes or stops in a box.
    void start() {
        if (frame_ && !frame_.done()) frame_.resume();
    }
    [[nodiscard]] bool done() const { return !frame_ || frame_.done(); }
    // A finished task passes on the exception that ended it.
    void rethrowIfFailed() const {
        if (frame_ && frame_.promise().error) std::rethrow_exception(frame_.promise().error);
    }

    // `co_await task` runs it, and goes on when it has finished.
    auto operator co_await() const& noexcept {
        struct Awaiter {
            Handle task;
            bool await_ready() noexcept { return !task || task.done(); }
            coro::coroutine_handle<> await_suspend(coro::coroutine_handle<> awaiting) noexcept {
                task.promise().awaiting = awaiting;
                return task;
            }
            void await_resume() const {
                if (task && task.promise().error) std::rethrow_exception(task.promise().error);
            }
        };
        return Awaiter{frame_};
    }

private:
    explicit Task(Handle frame) : frame_(frame) {}
    void destroy() {
        if (frame_) std::exchange(frame_, {}).destroy();
    }

    Handle frame_;
};

}  // namespace forms
