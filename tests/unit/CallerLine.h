// Lets a test helper report a failure at the line of the case that called it: the helper takes
// CALLER_LINE as its last parameter and starts with TRACE_CALLER().
#pragma once

#include <gtest/gtest.h>

#define CALLER_LINE const char *callerFile = __builtin_FILE(), int callerLine = __builtin_LINE()
#define TRACE_CALLER() ::testing::ScopedTrace callerTrace(callerFile, callerLine, "called from here")
