#include "registry/win32/Win32Registry.h"

#include <windows.h>

namespace tarv {

namespace {

static_assert(sizeof(HKEY) <= sizeof(RegKey), "a RegKey must hold an HKEY");

HKEY RootOf(RegHive hive) {
    switch (hive) {
    case HiveLocalMachine: return HKEY_LOCAL_MACHINE;
    case HiveClassesRoot: return HKEY_CLASSES_ROOT;
    }
    return 0;
}

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key)); }

RegKey FromHkey(HKEY key) { return static_cast<RegKey>(reinterpret_cast<ULONG_PTR>(key)); }

}  // namespace

RegResult Win32Registry::OpenKey(RegHive hive, const char* path, unsigned long access, RegKey* key) {
    if (!key) return RegInvalidParameter;
    *key = 0;
    HKEY root = RootOf(hive);
    if (!root) return RegInvalidHandle;
    HKEY opened = 0;
    LONG result = RegOpenKeyExA(root, path ? path : "", 0, access, &opened);
    if (result != ERROR_SUCCESS) return result;
    *key = FromHkey(opened);
    ++openHandles_;
    return RegSuccess;
}

RegResult Win32Registry::CreateKey(RegHive hive, const char* path, const char* keyClass,
                                   unsigned long access, RegKey* key) {
    if (!key) return RegInvalidParameter;
    *key = 0;
    HKEY root = RootOf(hive);
    if (!root) return RegInvalidHandle;
    HKEY created = 0;
    DWORD disposition = 0;
    LONG result = RegCreateKeyExA(root, path ? path : "", 0, const_cast<char*>(keyClass),
                                  REG_OPTION_NON_VOLATILE, access, 0, &created, &disposition);
    if (result != ERROR_SUCCESS) return result;
    *key = FromHkey(created);
    ++openHandles_;
    return RegSuccess;
}

RegResult Win32Registry::QueryValue(RegKey key, const char* name, unsigned long* type,
                                    unsigned char* data, unsigned long* size) {
    if (!key) return RegInvalidHandle;
    return RegQueryValueExA(ToHkey(key), name, 0, type, data, size);
}

RegResult Win32Registry::SetValue(RegKey key, const char* name, unsigned long type,
                                  const unsigned char* data, unsigned long size) {
    if (!key) return RegInvalidHandle;
    return RegSetValueExA(ToHkey(key), name, 0, type, data, size);
}

RegResult Win32Registry::DeleteValue(RegKey key, const char* name) {
    if (!key) return RegInvalidHandle;
    return RegDeleteValueA(ToHkey(key), name);
}

RegResult Win32Registry::DeleteKey(RegHive hive, const char* path) {
    HKEY root = RootOf(hive);
    if (!root) return RegInvalidHandle;
    if (!path || !*path) return RegAccessDenied;  // never the hive itself

    HKEY key = 0;
    LONG result = RegOpenKeyExA(root, path, 0, KEY_ENUMERATE_SUB_KEYS, &key);
    if (result != ERROR_SUCCESS) return result;
    char name[MAX_PATH];
    LONG first = RegEnumKeyA(key, 0, name, sizeof name);
    RegCloseKey(key);
    if (first != ERROR_NO_MORE_ITEMS) return RegAccessDenied;  // a subkey, or cannot tell
    return RegDeleteKeyA(root, path);
}

RegResult Win32Registry::CloseKey(RegKey key) {
    if (!key) return RegInvalidHandle;
    LONG result = RegCloseKey(ToHkey(key));
    if (result == ERROR_SUCCESS) --openHandles_;
    return result;
}

RegResult Win32Registry::EnumKey(RegKey key, unsigned long index, char* name,
                                 unsigned long size) {
    if (!key) return RegInvalidHandle;
    if (!name) return RegInvalidParameter;
    return RegEnumKeyA(ToHkey(key), index, name, size);
}

}  // namespace tarv
