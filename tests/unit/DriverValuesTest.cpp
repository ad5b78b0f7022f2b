// The driver value table and the version-only flavour decision: no registry needed, so these
// also run under Wine against the code compiled with the shipped binaries' flags.
#include "registry/AdapterDiscovery.h"
#include "registry/DriverValues.h"
#include "registry/OsFlavor.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarv;

static std::string Where(OsFlavor flavour, int instance, DriverSetting setting)
{
    DriverValueLocation location;
    if (!GetDriverValueLocation(flavour, instance, setting, &location)) return "<none>";
    return std::string(location.keyPath) + " : " + location.valueName +
           (location.valueType == RegDword ? " (dword)" : " (sz)");
}

TEST(DriverValues, InstanceKeysUseFourDecimalDigits)
{
    char path[96];
    BuildInstanceKeyPath(7, path, sizeof path);
    EXPECT_STREQ("System\\CurrentControlSet\\Services\\Class\\Display\\0007", path);
    BuildInstanceKeyPath(12, path, sizeof path);  // decimal, never 000C
    EXPECT_STREQ("System\\CurrentControlSet\\Services\\Class\\Display\\0012", path);
    BuildInstanceKeyPath(15, path, 20);  // a short buffer is cut, never overrun
    EXPECT_STREQ("System\\CurrentContr", path);
}

TEST(DriverValues, EveryFlavourHasItsKeysAndValueNames)
{
    const std::string instance = "System\\CurrentControlSet\\Services\\Class\\Display\\0013";
    EXPECT_EQ(instance + "\\DEFAULT : Grxclock (sz)", Where(Win9x, 13, GraphicsClockSetting));
    EXPECT_EQ(instance + "\\Glide : FX_GLIDE_SWAPINTERVAL (sz)",
              Where(Win9x, 13, GlideSwapIntervalSetting));
    EXPECT_EQ(instance + "\\D3D : SSTH3_SWAPINTERVAL (sz)",
              Where(Win9x, 13, Ssth3SwapIntervalSetting));
    EXPECT_EQ("<none>", Where(Win9x, 13, NtD3DSwapIntervalSetting));

    const std::string nt4 = "SYSTEM\\CurrentControlSet\\Services\\Voodoo5\\Device0";
    const std::string nt5 = "SYSTEM\\CurrentControlSet\\Services\\3dfxvs\\Device0";
    const std::string glide = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\Glide";
    const std::string d3d = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\D3D";
    // The instance number plays no part on NT.
    EXPECT_EQ(nt4 + " : GraphicsClocking (dword)", Where(WinNT4, 5, GraphicsClockSetting));
    EXPECT_EQ(nt5 + " : GraphicsClocking (dword)", Where(WinNT5, 0, GraphicsClockSetting));
    EXPECT_EQ(glide + " : FX_GLIDE_SWAPINTERVAL (sz)", Where(WinNT4, 0, GlideSwapIntervalSetting));
    EXPECT_EQ(glide + " : FX_GLIDE_SWAPINTERVAL (sz)", Where(WinNT5, 3, GlideSwapIntervalSetting));
    EXPECT_EQ(nt4 + " : SSTH3_SWAPINTERVAL (sz)", Where(WinNT4, 0, Ssth3SwapIntervalSetting));
    EXPECT_EQ(nt5 + " : SSTH3_SWAPINTERVAL (sz)", Where(WinNT5, 0, Ssth3SwapIntervalSetting));
    EXPECT_EQ(d3d + " : SSTH3_SWAPINTERVAL (sz)", Where(WinNT4, 0, NtD3DSwapIntervalSetting));
    EXPECT_EQ(d3d + " : SSTH3_SWAPINTERVAL (sz)", Where(WinNT5, 0, NtD3DSwapIntervalSetting));
}

TEST(DriverValues, OnlyNt4AndNt5VersionsAreNtFlavours)
{
    const VersionRecord win95 = {4, 0, 0x040003B6, PlatformWin32Windows};
    const VersionRecord win98 = {4, 10, 0x040A07CE, PlatformWin32Windows};
    const VersionRecord winMe = {4, 90, 0x045A0BB8, PlatformWin32Windows};
    const VersionRecord nt351 = {3, 51, 1057, PlatformWin32Nt};
    const VersionRecord nt4 = {4, 0, 1381, PlatformWin32Nt};
    const VersionRecord win2000 = {5, 0, 2195, PlatformWin32Nt};
    const VersionRecord xp = {5, 1, 2600, PlatformWin32Nt};
    const VersionRecord vista = {6, 0, 6000, PlatformWin32Nt};
    EXPECT_EQ(Win9x, FlavorFromVersion(true, win95));
    EXPECT_EQ(Win9x, FlavorFromVersion(true, win98));
    EXPECT_EQ(Win9x, FlavorFromVersion(true, winMe));
    EXPECT_EQ(Win9x, FlavorFromVersion(true, nt351));
    EXPECT_EQ(WinNT4, FlavorFromVersion(true, nt4));
    EXPECT_EQ(WinNT5, FlavorFromVersion(true, win2000));
    EXPECT_EQ(WinNT5, FlavorFromVersion(true, xp));
    EXPECT_EQ(Win9x, FlavorFromVersion(true, vista));
    EXPECT_EQ(Win9x, FlavorFromVersion(false, nt4));  // a failed query says nothing
}
