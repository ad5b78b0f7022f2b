// An in-memory registry with the Windows registry's semantics, for native builds and tests.
// It loads and saves REGEDIT4 text, so one fixture file seeds it and a Wine prefix alike.
#pragma once

#include "registry/Registry.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarv {

class MemoryRegistry : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry();

    RegResult OpenKey(RegHive hive, const char* path, unsigned long access, RegKey* key) override;
    RegResult CreateKey(RegHive hive, const char* path, const char* keyClass, unsigned long access,
                        RegKey* key) override;
    RegResult QueryValue(RegKey key, const char* name, unsigned long* type, unsigned char* data,
                         unsigned long* size) override;
    RegResult SetValue(RegKey key, const char* name, unsigned long type, const unsigned char* data,
                       unsigned long size) override;
    RegResult DeleteValue(RegKey key, const char* name) override;
    RegResult DeleteKey(RegHive hive, const char* path) override;
    RegResult CloseKey(RegKey key) override;

    // Handles opened or created and not yet closed: tests assert 0 after every operation.
    int OpenHandleCount() const;

    // REGEDIT4 text ("REGEDIT4", [HKEY_LOCAL_MACHINE\...] sections, "name"="text", @=...,
    // dword:xxxxxxxx, hex:.., hex(n):..; [-key] deletes). On a malformed line nothing changes
    // and error says "line N: ...".
    bool LoadRegText(const std::string& text, std::string* error);
    bool LoadRegFile(const std::string& path, std::string* error);
    // Exports every key of both hives in a stable order (keys sorted without case).
    std::string SaveRegText() const;
    // Writes through a temporary file and a rename, so a reader never sees half a file.
    bool SaveRegFile(const std::string& path, std::string* error) const;

    // Failure injection for tests: from now on the key refuses the given operations with
    // RegAccessDenied. deny is a mask of the Deny... flags below.
    enum { DenyWrite = 1, DenyDelete = 2, DenyOpen = 4, DenyCreate = 8 };
    void DenyOnKey(RegHive hive, const char* path, unsigned deny);

    // Convenience for tests: true when the key exists; the value's bytes, or false.
    bool KeyExists(RegHive hive, const char* path) const;
    bool GetValue(RegHive hive, const char* path, const char* name, unsigned long* type,
                  std::vector<unsigned char>* data) const;

    struct Key;

private:
    Key* FindKey(RegHive hive, const char* path) const;

    std::unique_ptr<Key> roots_[2];
    std::map<RegKey, Key*> handles_;
    RegKey nextHandle_;
};

}  // namespace tarv
