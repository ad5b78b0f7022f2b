// Which display-class instances a 3dfx VSA-100 board (Voodoo4 4500, Voodoo5 5000/5500/6000)
// is bound to, as the Windows 95 family records it in its hardware tree: under
// HKEY_LOCAL_MACHINE\Enum\PCI each device key names the chip ("VEN_121A&DEV_0009&SUBSYS_...")
// and each of its instance keys has "Driver" = "DISPLAY\0001", the class key it is bound to.
// Today's drivers describe the board as "3dfx Voodoo Series" or "Voodoo 5", so the binding
// finds boards whose description does not.
#pragma once

#include "registry/Registry.h"

namespace tarv {

inline constexpr char PciEnumKey[] = "Enum\\PCI";
// 3dfx's vendor number and the VSA-100 chip; Voodoo3 (DEV_0005) and Banshee (DEV_0003) differ.
inline constexpr char Vsa100DevicePrefix[] = "VEN_121A&DEV_0009";

const int BindableInstances = 16;  // display-class instances 0 to 15, as the adapter list holds

// bound[n] becomes true for every instance n (0 to 15) a VSA-100 board is bound to and no other
// device (a board that is gone leaves its binding behind, and a Voodoo3 may reuse the
// instance), false for every other. A missing or unreadable tree adds nothing; nothing is
// created and every key opened is closed again.
void FindVsa100Bindings(Registry& registry, bool bound[BindableInstances]);

// The class instance number a "Driver" value names ("Display\" and four decimal digits, the
// prefix compared without case), or -1 for anything else.
int DisplayInstanceOfDriver(const char* driver);

}  // namespace tarv
