// The COM and shell declarations the server needs. WIN32_LEAN_AND_MEAN leaves OLE out of
// <windows.h>, so the server names it itself.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <prsht.h>
#include <shlobj.h>
