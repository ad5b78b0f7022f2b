// Where Glide itself looks for its settings on Windows NT. Glide (which the OpenGL driver runs
// on) computes its own key instead of reading the 3Dfx service's: on Windows 2000 and XP the
// "glide" subkey of the 3dfxvs service's Device0; on NT 4.0 the "glide" subkey of the device
// key that HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\VIDEO names for "\Device\Video0", and only
// without that name the 3Dfx service's Glide key the page writes anyway.
#pragma once

#include "registry/DriverValues.h"
#include "registry/Registry.h"

namespace tarv {

inline constexpr char Nt5GlideReadKey[] = "SYSTEM\\CurrentControlSet\\Services\\3dfxvs\\Device0\\glide";
// Where the device map names on NT 4.0 with the Voodoo5 driver: its service's own Device0.
inline constexpr char Nt4UsualGlideReadKey[] = "SYSTEM\\CurrentControlSet\\Services\\Voodoo5\\Device0\\glide";
// Read only: the hardware tree belongs to the system and is never written.
inline constexpr char VideoDeviceMapKey[] = "HARDWARE\\DEVICEMAP\\VIDEO";
inline constexpr char PrimaryVideoDeviceValue[] = "\\Device\\Video0";
// The NT object-manager form of an HKEY_LOCAL_MACHINE path, compared without case.
inline constexpr char MachineRegistryPrefix[] = "\\REGISTRY\\Machine\\";

// The second home of "FX_GLIDE_SWAPINTERVAL" on Windows NT, besides the 3Dfx service's key.
// False when there is none: on the Windows 95 family (Glide reads the instance key there), and
// on NT 4.0 when "\Device\Video0" is missing, not REG_SZ text, not a "\REGISTRY\Machine\" path,
// too long for a driver key, under HARDWARE, or naming the 3Dfx service's own key.
bool FindGlideReadKey(Registry& registry, OsFlavor flavour, DriverValueLocation* location);

}  // namespace tarv
