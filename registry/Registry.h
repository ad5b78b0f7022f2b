// The registry as the product sees it: hives, key paths, typed values and Win32 result codes.
// Product logic talks only to this interface; advapi32 stands behind it on Windows and an
// in-memory store (loadable from REGEDIT4 text) stands behind it in native builds.
#pragma once

namespace tarv {

typedef long RegResult;  // a Win32 error code; RegSuccess (0) means success

const RegResult RegSuccess = 0;            // ERROR_SUCCESS
const RegResult RegFileNotFound = 2;       // ERROR_FILE_NOT_FOUND
const RegResult RegAccessDenied = 5;       // ERROR_ACCESS_DENIED
const RegResult RegInvalidHandle = 6;      // ERROR_INVALID_HANDLE
const RegResult RegOutOfMemory = 14;       // ERROR_OUTOFMEMORY: what the Windows 95 registry reports
const RegResult RegInvalidParameter = 87;  // ERROR_INVALID_PARAMETER
const RegResult RegBadPathname = 161;      // ERROR_BAD_PATHNAME: a key path with a leading backslash
const RegResult RegMoreData = 234;         // ERROR_MORE_DATA
const RegResult RegNoMoreItems = 259;      // ERROR_NO_MORE_ITEMS: past the last subkey
const RegResult RegKeyDeleted = 1018;      // ERROR_KEY_DELETED: the key behind a handle is gone

// Access masks, with the Win32 values.
const unsigned long KeyQueryValue = 0x0001;
const unsigned long KeySetValue = 0x0002;
const unsigned long KeyCreateSubKey = 0x0004;
const unsigned long KeyEnumerateSubKeys = 0x0008;
const unsigned long KeyRead = 0x20019;
const unsigned long KeyWriteAccess = KeySetValue | KeyCreateSubKey;

// Value types, with the Win32 values.
const unsigned long RegNone = 0;
const unsigned long RegSz = 1;
const unsigned long RegExpandSz = 2;
const unsigned long RegBinary = 3;
const unsigned long RegDword = 4;
const unsigned long RegMultiSz = 7;

enum RegHive {
    HiveLocalMachine,  // HKEY_LOCAL_MACHINE
    HiveClassesRoot    // HKEY_CLASSES_ROOT
};

// An open key; 0 is never a valid handle.
typedef unsigned long RegKey;

class Registry {
public:
    // Opens an existing key; fails with RegFileNotFound when it is missing.
    virtual RegResult OpenKey(RegHive hive, const char* path, unsigned long access, RegKey* key) = 0;
    // Opens the key or creates it together with every missing parent. keyClass may be null.
    virtual RegResult CreateKey(RegHive hive, const char* path, const char* keyClass,
                                unsigned long access, RegKey* key) = 0;
    // Reads a value into data. *size holds the buffer size on entry and the stored length on
    // return; a buffer that is too small gives RegMoreData. type and data may be null.
    // A null or empty name is the default value.
    virtual RegResult QueryValue(RegKey key, const char* name, unsigned long* type,
                                 unsigned char* data, unsigned long* size) = 0;
    // Stores exactly size bytes of data under name with the given type.
    virtual RegResult SetValue(RegKey key, const char* name, unsigned long type,
                               const unsigned char* data, unsigned long size) = 0;
    // Deleting a value that is not there fails with RegFileNotFound and changes nothing.
    virtual RegResult DeleteValue(RegKey key, const char* name) = 0;
    // Deletes a key that has no subkeys; a key that still has subkeys cannot be deleted.
    virtual RegResult DeleteKey(RegHive hive, const char* path) = 0;
    virtual RegResult CloseKey(RegKey key) = 0;
    // Names the subkey at index (from 0, in the order the registry keeps them) into name, a
    // buffer of size bytes, as RegEnumKeyA does: RegNoMoreItems past the last subkey,
    // RegMoreData when the name and its terminator do not fit. The handle needs
    // KeyEnumerateSubKeys.
    virtual RegResult EnumKey(RegKey key, unsigned long index, char* name, unsigned long size) = 0;

protected:
    ~Registry() {}
};

}  // namespace tarv
