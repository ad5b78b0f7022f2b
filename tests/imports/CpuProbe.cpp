// A library that reads the time-stamp counter and moves conditionally, linked without base
// relocations: the import check must refuse it on both counts, which shows that it reads the
// disassembly and the PE directories of a shipped binary.
#include <windows.h>

extern "C" DWORD WINAPI ProbeTicks()
{
    DWORD low, high;
    asm volatile("rdtsc" : "=a"(low), "=d"(high));
    asm volatile("cmovb %1, %0" : "+r"(low) : "r"(high));
    return low;
}

extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE, DWORD, LPVOID) { return TRUE; }
