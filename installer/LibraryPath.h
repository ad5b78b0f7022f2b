// Where the installer expects the page library: beside itself.
#pragma once

#include "platform/PlatformQueries.h"

namespace tarv {
namespace installer {

// Joins the drive and directory of modulePath with the base name and extension of
// libraryName, splitting both the way _splitpath does. False, with path empty, when the
// result does not fit in size bytes with its terminator.
bool BuildLibraryPath(const char* modulePath, const char* libraryName, char* path, unsigned size);

// Builds the library path from the installer's own path (read into MAX_PATH bytes) and tests
// that the file exists. A path that cannot be had or does not fit counts as a missing library.
bool LocateLibrary(PlatformQueries& platform, const char* libraryName, char* path, unsigned size);

}  // namespace installer
}  // namespace tarv
