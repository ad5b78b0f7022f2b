// An in-memory registry with the Windows registry's semantics, for native builds and tests.
// It loads and saves REGEDIT4 text, so one fixture file seeds it and a Wine prefix alike.
#pragma once

#include "registry/Registry.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tarv {

class MemoryRegistry : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry();
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

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
    RegResult EnumKey(RegKey key, unsigned long index, char* name, unsigned long size) override;

    // Handles opened or created and not yet closed: tests assert 0 after every operation.
    int OpenHandleCount() const;

    // REGEDIT4 text ("REGEDIT4", [HKEY_LOCAL_MACHINE\...] sections, "name"="text", @=...,
    // dword:xxxxxxxx, hex:.., hex(n):..; [-key] deletes). On a malformed line nothing changes
    // and error says "line N: ...". Also reads regedit's "Windows Registry Editor Version 5.00"
    // exports (UTF-16LE with a byte-order mark; string data comes back as ANSI bytes, as
    // RegQueryValueExA would return it).
    bool LoadRegText(const std::string& text, std::string* error);
    bool LoadRegFile(const std::string& path, std::string* error);
    // Exports every key of both hives in a stable order (keys sorted without case).
    std::string SaveRegText() const;
    // Writes through a temporary file and a rename, so a reader never sees half a file.
    bool SaveRegFile(const std::string& path, std::string* error) const;

    // Failure injection for tests: from now on the key refuses the given operations with
    // RegAccessDenied. deny is a mask of the Deny... flags below; 0 lifts the refusal. The rule
    // belongs to the path, so it also holds for a key created later.
    //   DenyWrite  SetValue and DeleteValue through any handle to the key
    //   DenyDelete DeleteKey of the key
    //   DenyOpen   OpenKey, and CreateKey when it would open the existing key
    //   DenyCreate CreateKey of the key, whether it exists or not
    //   DenyRead   QueryValue and EnumKey through any handle to the key
    //   DenyOpenForWriting OpenKey asking for KeySetValue or KeyCreateSubKey
    enum {
        DenyWrite = 1, DenyDelete = 2, DenyOpen = 4, DenyCreate = 8, DenyRead = 16,
        DenyOpenForWriting = 32
    };
    void DenyOnKey(RegHive hive, const char* path, unsigned deny);
    // The same refusals for every key at once, on top of each key's own: a user without
    // administrator rights on Windows NT meets HKEY_LOCAL_MACHINE so.
    void DenyEverywhere(unsigned deny);

    // Failure injection by position: restarts the call count, and the nth call from now on
    // (1 is the next; 0 never) fails with code and changes nothing. Every call counts except
    // CloseKey, which always releases a handle it knows, as RegCloseKey does: a close that
    // failed would leave the caller nothing to do but leak, so it is not a failure to inject.
    void FailNthCall(unsigned long n, RegResult code);
    // Calls counted since the last FailNthCall.
    unsigned long CallsCounted() const;

    // Convenience for tests: true when the key exists; the value's bytes, or false.
    bool KeyExists(RegHive hive, const char* path) const;
    bool GetValue(RegHive hive, const char* path, const char* name, unsigned long* type,
                  std::vector<unsigned char>* data) const;

    struct Key;
    // The root of a hive's tree (MemoryKey.h), for tools that walk the whole registry.
    const Key& Root(RegHive hive) const { return *roots_[hive == HiveClassesRoot]; }

private:
    struct Handle;
    struct TextOp;

    Key* FindKey(RegHive hive, const char* path) const;
    unsigned DenyFor(RegHive hive, const std::string& foldedPath) const;
    RegResult LookUp(RegKey key, Handle** handle);
    RegKey AddHandle(RegHive hive, const std::shared_ptr<Key>& key, unsigned long access,
                     const std::string& foldedPath);
    void ApplyTextOps(const std::vector<TextOp>& ops);
    // Counts a call; true when it is the one to fail.
    bool FailsNow();

    std::shared_ptr<Key> roots_[2];
    std::map<RegKey, std::unique_ptr<Handle>> handles_;
    std::map<std::pair<int, std::string>, unsigned> denials_;
    unsigned deniedEverywhere_;
    RegKey nextHandle_;
    unsigned long callsCounted_;
    unsigned long failingCall_;
    RegResult failingCode_;
    std::string scratch_;  // a path component being looked up, kept to reuse its buffer
};

}  // namespace tarv
