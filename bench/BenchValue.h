#pragma once

#include "db/Result.h"

#include <cstdio>
#include <cstdlib>

// What a read found; a benchmark on a file it cannot read stops at once.
template <class T>
const T& Value(const Result<T>& read) {
    if (!read) {
        std::fprintf(stderr, "%s\n", qPrintable(read.status().message()));
        std::abort();
    }
    return *read;
}

// A step that must succeed for the timing to mean anything.
inline void Require(const Status& done) {
    if (!done) {
        std::fprintf(stderr, "%s\n", qPrintable(done.message()));
        std::abort();
    }
}
