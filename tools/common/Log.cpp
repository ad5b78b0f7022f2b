#include "tools/common/Log.h"

#include <cstdarg>
#include <cstdio>

namespace tools {

namespace {

FILE* logFile = nullptr;
bool logQuiet = false;

void WriteLine(const char* format, va_list args)
{
    char line[2048];
    vsnprintf(line, sizeof line, format, args);
    fprintf(stdout, "%s\n", line);
    fflush(stdout);
    if (logFile) {
        fprintf(logFile, "%s\n", line);
        fflush(logFile);
    }
}

}  // namespace

bool OpenLogFile(const char* path)
{
    CloseLogFile();
    logFile = fopen(path, "a");
    return logFile != nullptr;
}

void CloseLogFile()
{
    if (logFile) fclose(logFile);
    logFile = nullptr;
}

void SetLogQuiet(bool quiet) { logQuiet = quiet; }

void Log(const char* format, ...)
{
    if (logQuiet) return;
    va_list args;
    va_start(args, format);
    WriteLine(format, args);
    va_end(args);
}

void LogAlways(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    WriteLine(format, args);
    va_end(args);
}

}  // namespace tools
