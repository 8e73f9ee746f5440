#pragma once

#include "forms/runtime_error.h"

namespace klonkatron::testing {

// The number of the run-time error a call raises, or 0 when it raises none.
int runTimeErrorOf(auto&& call) {
    try {
        call();
    } catch (const forms::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace klonkatron::testing
