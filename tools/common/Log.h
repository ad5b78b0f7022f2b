// The test tools' log: one line per entry, to stdout and, with --log FILE, appended to that file
// as well; each line is flushed at once so that a test reads it even when the tool is killed.
#pragma once

namespace tools {

// Appends the log to path as well; false when the file cannot be opened.
bool OpenLogFile(const char* path);
void CloseLogFile();

// While quiet, Log writes nothing and only LogAlways reaches the log.
void SetLogQuiet(bool quiet);

void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogAlways(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tools
