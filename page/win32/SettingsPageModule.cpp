#include "page/win32/SettingsPageModule.h"

#include "page/CVDPropPage.h"
#include "page/CachedModuleVersion.h"
#include "page/win32/Win32ModuleVersion.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32StringTable.h"
#include "registry/win32/Win32Registry.h"
#include "resources/page/PageResources.h"
#include "ui/win32/PropertyPage.h"
#include "ui/win32/TopLevelOwnerRunner.h"
#include "ui/win32/Win32Dialog.h"

namespace tarv {

namespace {

// What the page logic works with; a base of SettingsPageObject so that it is built before the
// property page that refers to it.
struct SettingsPageParts {
    explicit SettingsPageParts(HINSTANCE module)
        : platform(module),
          version(module),
          cachedVersion(version),
          strings(module),
          sheet(dialog),
          refreshRatesRunner(module, dialog),
          logic(dialog, sheet, registry, platform, cachedVersion, refreshRatesRunner, strings)
    {
    }

    Win32Registry registry;
    Win32Platform platform;
    Win32ModuleVersion version;
    // The parts live as long as the library, and so does what the version line read.
    CachedModuleVersion cachedVersion;
    Win32StringTable strings;
    Win32Dialog dialog;
    Win32PageSheet sheet;
    // The Refresh Rates dialog is owned by the sheet, which it disables while it runs.
    TopLevelOwnerRunner refreshRatesRunner;
    CVDPropPage logic;
};

class SettingsPageObject : private SettingsPageParts, public CPropertyPage {
public:
    explicit SettingsPageObject(HINSTANCE module)
        : SettingsPageParts(module), CPropertyPage(module, IDD_SETTINGS_PAGE, logic, dialog)
    {
    }
};

}  // namespace

SettingsPage* CreateSettingsPage(HINSTANCE module) { return new SettingsPageObject(module); }

void DestroySettingsPage(SettingsPage* page) { delete page; }

}  // namespace tarv
