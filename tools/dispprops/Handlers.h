// Loading the pages: the handlers registered for a control-panel applet, and what the shell does
// with each (create it through COM, Initialize, AddPages, Release), plus the steps that ask the
// handlers' libraries whether they can unload and register a library.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace dispprops {

struct Handler {
    std::string name;
    std::string classId;
    std::string libraryPath;
};

// The handlers under the applet's PropertySheetHandlers key (panel: Display or Device).
std::vector<Handler> ReadHandlers(const std::string& panel);

// Appends the pages handler adds; with refuse the add-page callback says no to each.
void CollectPages(const Handler& handler, bool refuse, std::vector<HPROPSHEETPAGE>* pages);
// The same through shell32's own loader over the panel's key (--shell-loader); logs the count.
void CollectPagesThroughShell(const std::string& panel, bool refuse,
                              std::vector<HPROPSHEETPAGE>* pages);

void CanUnloadNow(const std::vector<Handler>& handlers);      // canunload
void FreeUnusedLibraries(const std::vector<Handler>& handlers);  // freeunused
void RegisterServer(const std::string& path);                 // register:PATH

}  // namespace dispprops
