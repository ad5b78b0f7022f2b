// Small bounded reads and writes of single registry values, shared by the registry model,
// the settings page and the installer. Every helper that opens a key closes it again before
// it returns, and every read goes into a buffer of the size the caller names, so a stored
// value that does not fit reads as missing.
#pragma once

#include "registry/Registry.h"

namespace tarv {

// The largest read buffer the product uses; larger requests are cut to it.
const unsigned MaxValueReadSize = 256;

// Reads name into size bytes and leaves text terminated. The data counts as text up to its
// first zero byte; data without a zero that fills the whole buffer has no room for the
// terminator and therefore reads as missing, like any other text that does not fit.
bool ReadTextValue(Registry& registry, RegKey key, const char* name, char* text, unsigned size);

// Reads name into bufferSize bytes (of any type) and parses its leading decimal number; only
// the bytes the registry returned are looked at. False when the value cannot be read.
bool ReadNumberValue(Registry& registry, RegKey key, const char* name, unsigned bufferSize,
                     long* value);

// The same, opening path with KeyQueryValue for the one read.
bool ReadNumberValueAt(Registry& registry, RegHive hive, const char* path, const char* name,
                       unsigned bufferSize, long* value);

// Whether name at path reads as text: its data up to the first zero byte (or all of it), of
// any type, read into bufferSize bytes. ValueAbsent when it is missing or holds anything else;
// ValueUnknown when the registry refused or failed to answer (anything but a missing key or
// value, or a value too big for the buffer), so a caller can leave alone what it could not read.
enum ValuePresence { ValueAbsent, ValuePresent, ValueUnknown };
ValuePresence TextValueAt(Registry& registry, RegHive hive, const char* path, const char* name,
                          const char* text, unsigned bufferSize);

// Whether name at path holds exactly this type and these size bytes.
bool ValueHoldsAt(Registry& registry, RegHive hive, const char* path, const char* name,
                  unsigned long type, const unsigned char* data, unsigned long size);
// The same for REG_SZ text with its terminator, as SetTextValue writes it.
bool TextValueHoldsAt(Registry& registry, RegHive hive, const char* path, const char* name,
                      const char* text);

// REG_SZ text with its terminator counted in the length.
RegResult SetTextValue(Registry& registry, RegKey key, const char* name, const char* text);
// REG_SZ decimal text ("%d").
RegResult SetDecimalValue(Registry& registry, RegKey key, const char* name, long value);
// REG_DWORD, four bytes little-endian.
RegResult SetDwordValue(Registry& registry, RegKey key, const char* name, unsigned long value);

// Whether name at path is gone after DeleteValue answered result: deleted, or not there at
// all. Any answer but success or RegFileNotFound is checked by reading the key again, since
// the Windows 95 family does not promise one code for a value that is missing.
bool DeletedOrAbsent(Registry& registry, RegHive hive, const char* path, const char* name,
                     RegResult result);

// Every writer below reports whether the registry holds what was asked afterwards: a write
// the registry refuses (a user without administrator rights on Windows NT) still counts as
// done when the value already held that data, or for a delete was not there.

// Writes to a key that must already exist: opened with KeySetValue | KeyCreateSubKey, never
// created. False when the key is absent or the write is refused.
bool OpenKeyAndSetDecimal(Registry& registry, RegHive hive, const char* path, const char* name,
                          long value);
// Deletes through a key that is opened, never created: a missing key holds no value.
bool OpenKeyAndDeleteValue(Registry& registry, RegHive hive, const char* path,
                           const char* name);

// Driver-style writes: the key is opened or created (with its missing parents; the value's
// name is the class string of a created key), the one value is set, and the key is closed.
bool CreateKeyAndSetText(Registry& registry, RegHive hive, const char* path, const char* name,
                         const char* text);
bool CreateKeyAndSetDecimal(Registry& registry, RegHive hive, const char* path, const char* name,
                            long value);
bool CreateKeyAndSetDword(Registry& registry, RegHive hive, const char* path, const char* name,
                          unsigned long value);

// The next subkey name of key from *index on into name, a buffer of size bytes, passing over
// names too long for it; *index then stands after it. RegSuccess, RegNoMoreItems at the end of
// the list, or the answer of the call that failed.
RegResult NextSubkey(Registry& registry, RegKey key, unsigned long* index, char* name,
                     unsigned size);

}  // namespace tarv
