// The registry through advapi32's ANSI functions, for the Windows build.
#pragma once

#include "registry/Registry.h"

namespace tarv {

class Win32Registry : public Registry {
public:
    Win32Registry() : openHandles_(0) {}

    RegResult OpenKey(RegHive hive, const char* path, unsigned long access, RegKey* key) override;
    RegResult CreateKey(RegHive hive, const char* path, const char* keyClass, unsigned long access,
                        RegKey* key) override;
    RegResult QueryValue(RegKey key, const char* name, unsigned long* type, unsigned char* data,
                         unsigned long* size) override;
    RegResult SetValue(RegKey key, const char* name, unsigned long type, const unsigned char* data,
                       unsigned long size) override;
    RegResult DeleteValue(RegKey key, const char* name) override;
    // Refuses a key that still has subkeys on every Windows: Windows 95 and 98 would delete
    // the whole tree, NT refuses.
    RegResult DeleteKey(RegHive hive, const char* path) override;
    RegResult CloseKey(RegKey key) override;
    RegResult EnumKey(RegKey key, unsigned long index, char* name, unsigned long size) override;

    // Keys opened or created through this object and not yet closed (a debugging aid).
    int OpenHandleCount() const { return openHandles_; }

private:
    int openHandles_;
};

}  // namespace tarv
