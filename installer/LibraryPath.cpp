#include "installer/LibraryPath.h"

#include "text/Text.h"

namespace tarv {
namespace installer {

// The installer's own path may take all of MAX_PATH (260 bytes with the terminator), longer
// than the library path that can be built from it.
static const unsigned ModulePathSize = 260;

static bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Length of the drive and directory part of a path: "C:" and everything up to the last
// separator, which stays with the directory.
static unsigned DirectoryLength(const char* path)
{
    unsigned length = 0;
    for (unsigned i = 0; path[i]; ++i)
        if (IsSeparator(path[i])) length = i + 1;
    if (length == 0 && path[0] && path[1] == ':') length = 2;
    return length;
}

bool BuildLibraryPath(const char* modulePath, const char* libraryName, char* path, unsigned size)
{
    if (!path || size == 0) return false;
    path[0] = 0;
    if (!modulePath || !libraryName) return false;

    unsigned directory = DirectoryLength(modulePath);
    if (directory + 1 > size) return false;
    CopyBytes(path, modulePath, directory);
    path[directory] = 0;

    // Only the base name and extension of the library name are used; any drive or
    // directory it carries is dropped.
    const char* name = libraryName + DirectoryLength(libraryName);
    if (!AppendText(path, size, name)) {
        path[0] = 0;
        return false;
    }
    return true;
}

bool LocateLibrary(PlatformQueries& platform, const char* libraryName, char* path, unsigned size)
{
    if (!path || size == 0) return false;
    path[0] = 0;
    char modulePath[ModulePathSize];
    if (!platform.GetOwnModulePath(modulePath, sizeof modulePath)) return false;
    if (!BuildLibraryPath(modulePath, libraryName, path, size)) return false;
    return platform.FileExists(path);
}

}  // namespace installer
}  // namespace tarv
