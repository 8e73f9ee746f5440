#pragma once

#include <cstdio>
#include <cstdlib>

namespace klonkatron::fuzz {

// A property that does not hold ends the run, so the fuzzer keeps the input.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace klonkatron::fuzz
