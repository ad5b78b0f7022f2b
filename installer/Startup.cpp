#include "installer/Startup.h"

#include "installer/LibraryPath.h"
#include "installer/StartupOptions.h"
#include "registry/AdapterDiscovery.h"

namespace tarv {
namespace installer {

static const unsigned LibraryNameSize = 260;

StartupOutcome RunStartupDecisions(const char* arguments, PlatformQueries& platform,
                                   Registry& registry, StringTable& strings,
                                   InstallerState* state)
{
    if (!arguments) arguments = "";
    ResetInstallerState(state);

    int language = ChooseStartupLanguage(arguments, platform.GetSystemDefaultLanguage());
    state->StringSetBase = StringSetBaseForLanguage(language);

    char libraryName[LibraryNameSize];
    strings.LoadText(state->StringSetBase + StrLibraryName, libraryName, sizeof libraryName);
    if (!LocateLibrary(platform, libraryName, state->LibraryPath, sizeof state->LibraryPath))
        return StartupLibraryMissing;
    // The same bound as the library path; a longer one names no Add/Remove Programs entry.
    if (!platform.GetOwnModulePath(state->InstallerPath, sizeof state->InstallerPath))
        state->InstallerPath[0] = 0;

    VersionRecord version = {0, 0, 0, 0};
    bool versionKnown = platform.GetVersionRecord(&version);
    DecideFlavor(versionKnown, version, state);
    ApplyForcedFlavor(arguments, state);

    if (state->OsFlavor == Win9x) FindAdapterInstances(registry, AdapterMarker, state, InstallerProbe);

    ReadLimits(arguments, state);
    return StartupReady;
}

}  // namespace installer
}  // namespace tarv
