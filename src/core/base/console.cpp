#include "core/base/console.h"

#include <cstdio>

namespace velkor {

void tellConsole(const QString& text) {
    std::fprintf(stderr, "velkor: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace velkor
