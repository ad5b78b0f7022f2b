#include "tools/dispprops/Measurements.h"

#include "tools/common/Log.h"
#include "tools/dispprops/SheetSteps.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace dispprops {

using tools::Log;
using tools::LogAlways;

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountWindowTree(HWND window, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    EnumChildWindows(window, CountWindow, lParam);  // every descendant
    return TRUE;
}

// Bytes in the busy blocks of the process heap, where Wine's user32, gdi32 and comctl32
// allocate.
unsigned long HeapBusyBytes()
{
    HANDLE heap = GetProcessHeap();
    unsigned long total = 0;
    PROCESS_HEAP_ENTRY entry = {};
    HeapLock(heap);
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    HeapUnlock(heap);
    return total;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

void LogResources()
{
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowTree, reinterpret_cast<LPARAM>(&windows));
    DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    LogAlways("resources: windows %d gdi %lu user %lu heap %lu", windows,
              static_cast<unsigned long>(gdi), static_cast<unsigned long>(user), HeapBusyBytes());
}

bool Repeat(const std::string& argument, bool logRounds)
{
    size_t colon = argument.find(':');
    int rounds = atoi(argument.c_str());
    if (colon == std::string::npos || rounds <= 0) {
        Log("repeat: expected repeat:N:STEP,STEP..");
        return false;
    }
    std::vector<std::string> body;
    std::string list = argument.substr(colon + 1);
    for (size_t start = 0;;) {
        size_t comma = list.find(',', start);
        body.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    std::vector<std::vector<double>> stepTimes(body.size());
    std::vector<double> roundTimes;
    bool ok = true;
    tools::SetLogQuiet(true);
    for (int round = 0; round < rounds && ok; ++round) {
        LARGE_INTEGER roundStart, stepStart, stepEnd;
        QueryPerformanceCounter(&roundStart);
        for (size_t i = 0; i < body.size() && ok; ++i) {
            QueryPerformanceCounter(&stepStart);
            ok = RunStep(body[i]);
            QueryPerformanceCounter(&stepEnd);
            stepTimes[i].push_back(Milliseconds(stepStart, stepEnd));
            if (!ok) LogAlways("repeat: %s failed in round %d", body[i].c_str(), round + 1);
        }
        roundTimes.push_back(Milliseconds(roundStart, stepEnd));
        if (logRounds && ok) {
            std::string times;
            for (size_t i = 0; i < body.size(); ++i) {
                char part[32];
                snprintf(part, sizeof part, "%s%.3f", i ? " " : "", stepTimes[i].back());
                times += part;
            }
            LogAlways("round %d of %s: %s", round + 1, list.c_str(), times.c_str());
        }
    }
    tools::SetLogQuiet(false);
    std::string medians;
    for (size_t i = 0; i < body.size(); ++i) {
        char part[160];
        snprintf(part, sizeof part, ", %s %.3f ms", body[i].c_str(), Median(stepTimes[i]));
        medians += part;
    }
    Log("repeat %u round(s): median %.3f ms a round%s", static_cast<unsigned>(roundTimes.size()),
        Median(roundTimes), medians.c_str());
    return ok;
}

}  // namespace dispprops
