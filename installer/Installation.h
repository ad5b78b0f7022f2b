// Writing an installation: the product settings key, the shell's handler key and the COM
// class registration of the page library.
#pragma once

#include "installer/InstallerState.h"
#include "registry/Registry.h"

namespace tarv {
namespace installer {

// Parts of WriteInstallKey, combinable.
enum {
    HandlerPart = 1,  // the default value: the class identifier
    ProductPart = 2   // the product settings values
};

// Board models as chosen in the model dialog; 0 means none.
enum { ModelNone = 0, Model5000 = 1, Model5500 = 2, Model6000 = 3 };

// "Voodoo5 5000", "Voodoo5 5500" or "Voodoo5 6000"; null for any other code.
const char* ModelName(int modelCode);

// Creates keyPath under HKEY_LOCAL_MACHINE and writes the parts asked for. The first value
// that cannot be set ends the writing for this key. The Force values follow the state's flags.
// A model code outside 1..3 has no name, so the product values stop before "Model". False when
// the key could not be created or a value asked for was not written.
bool WriteInstallKey(Registry& registry, const InstallerState& state, unsigned parts,
                     const char* keyPath, long lowerLimit, long upperLimit, int modelCode);

// The class and server keys: the library path as the server and the apartment threading model.
// False at the first failure, which ends the writing.
bool RegisterServerClass(Registry& registry, const char* libraryPath);

// The whole installation: product key, the handler key for the flavour and panel choice, the
// class registration and, on the NT flavours, the shell's approval. A failed step never stops
// the next. True when every key was written in full (and, on the Windows 95 family, the other
// handler key is gone).
bool InstallComponents(Registry& registry, const InstallerState& state, const char* libraryPath,
                       long lowerLimit, long upperLimit, int modelCode, bool useAdvancedPanel);

}  // namespace installer
}  // namespace tarv
