// Where a test helper was called from. A helper takes it as its last, defaulted parameter,
// so the caller's file and line arrive without the caller naming them, and traces them: a
// failure inside the helper then points at the test line that called it.
#pragma once

#include <gtest/gtest.h>

namespace tarv {

struct CallSite {
    CallSite(const char* file = __builtin_FILE(), int line = __builtin_LINE())
        : file(file), line(line)
    {
    }
    const char* file;
    int line;
};

// For the length of a helper's body: SCOPED_TRACE at the caller's line.
class CallerTrace {
public:
    explicit CallerTrace(const CallSite& site) : trace_(site.file, site.line, "helper called here")
    {
    }

private:
    ::testing::ScopedTrace trace_;
};

}  // namespace tarv
