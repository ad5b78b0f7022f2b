// Where the 3dfx display driver keeps each tuning value, for every Windows family. All keys
// are under HKEY_LOCAL_MACHINE.
#pragma once

#include "registry/OsFlavor.h"

namespace tarv {

inline constexpr char GrxclockValue[] = "Grxclock";
inline constexpr char GraphicsClockingValue[] = "GraphicsClocking";
inline constexpr char GlideSwapIntervalValue[] = "FX_GLIDE_SWAPINTERVAL";
inline constexpr char Ssth3SwapIntervalValue[] = "SSTH3_SWAPINTERVAL";

// Swap intervals are only ever written as this text; their presence alone switches the
// driver's wait for the vertical retrace off.
inline constexpr char SwapIntervalOffText[] = "0";

inline constexpr char Nt4ServiceKey[] = "SYSTEM\\CurrentControlSet\\Services\\Voodoo5\\Device0";
inline constexpr char Nt5ServiceKey[] = "SYSTEM\\CurrentControlSet\\Services\\3dfxvs\\Device0";
inline constexpr char NtGlideKey[] = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\Glide";
// Never read or written by the page; the installer clears it on removal.
inline constexpr char NtD3DKey[] = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\D3D";

enum DriverSetting {
    GraphicsClockSetting,      // Win9x: "Grxclock" text; NT: "GraphicsClocking" REG_DWORD
    GlideSwapIntervalSetting,  // carries the OpenGL switch everywhere
    Ssth3SwapIntervalSetting,  // Win9x: the Direct3D switch; NT: the OpenGL switch again
    NtD3DSwapIntervalSetting   // NT only, removal only
};

// Fits every driver key path, the Windows 95 family's instance keys included.
const unsigned DriverKeyPathSize = 128;

struct DriverValueLocation {
    char keyPath[DriverKeyPathSize];
    const char* valueName;
    unsigned long valueType;  // RegSz or RegDword
};

// The key and value of one setting. instance is the display-class instance number and
// matters only on the Windows 95 family. False when the flavour has no such value
// (NtD3DSwapIntervalSetting on Win9x).
bool GetDriverValueLocation(OsFlavor flavour, int instance, DriverSetting setting,
                            DriverValueLocation* location);

// The flavours that use the fixed NT service keys; every other number is the Win9x family.
inline bool IsNtFlavour(int flavour) { return flavour == WinNT4 || flavour == WinNT5; }

}  // namespace tarv
