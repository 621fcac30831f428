#pragma once

#include <cstdio>
#include <cstdlib>

// Names the line of the broken property, so a crash report says which one it was.
inline void checkAt(bool ok, int line) {
    if (ok)
        return;
    std::fprintf(stderr, "property failed at line %d\n", line);
    std::abort();
}
#define CHECK(ok) checkAt(ok, __LINE__)
