#pragma once

// The coroutine support of the standard library under one name: <coroutine>
// where the library has it, and the experimental header of older libraries
// (clang 14's, which the web build compiles with) where it does not.
#if __has_include(<coroutine>)
#include <coroutine>
namespace forms::coro {
using std::coroutine_handle;
using std::noop_coroutine;
using std::suspend_always;
}  // namespace forms::coro
#else
#include <experimental/coroutine>
namespace forms::coro {
using std::experimental::coroutine_handle;
using std::experimental::noop_coroutine;
using std::experimental::suspend_always;
}  // namespace forms::coro
#endif
