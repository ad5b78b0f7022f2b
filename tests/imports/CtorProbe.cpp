// A library with one global whose constructor does real work: the import check must refuse
// it, which shows that the check finds such a global in a shipped binary.
#include <windows.h>

namespace {
struct StartTime {
    DWORD ticks;
    StartTime() : ticks(GetTickCount()) {}
};
StartTime startTime;
}  // namespace

extern "C" DWORD WINAPI ProbeTicks() { return startTime.ticks; }

extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE, DWORD, LPVOID) { return TRUE; }
