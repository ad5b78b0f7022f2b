// The live-object counter behind DllCanUnloadNow. Windows 95 returns only the sign of the result
// from InterlockedIncrement/Decrement, so the count is always read from the variable itself.
#include "page/server/ModuleCount.h"

namespace tarv {

namespace {

// pcRefParent is a UINT*; comctl32 adjusts it with plain increments, so it has the same
// 32 bits as the LONG that the library's own interlocked changes use.
LONG volatile moduleCount = 0;

}  // namespace

void LockModule() { InterlockedIncrement(const_cast<LONG*>(&moduleCount)); }

void UnlockModule() { InterlockedDecrement(const_cast<LONG*>(&moduleCount)); }

UINT* ModuleCounter() { return reinterpret_cast<UINT*>(const_cast<LONG*>(&moduleCount)); }

LONG ModuleCount() { return moduleCount; }

}  // namespace tarv
