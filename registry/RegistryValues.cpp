#include "registry/RegistryValues.h"

#include "text/Text.h"

namespace tarv {

static unsigned BoundedReadSize(unsigned size)
{
    return size < MaxValueReadSize ? size : MaxValueReadSize;
}

// Queries name into size bytes of data; on success *length holds the bytes returned, never
// more than size even if a registry reported otherwise.
static bool QueryBounded(Registry& registry, RegKey key, const char* name, unsigned char* data,
                         unsigned size, unsigned* length)
{
    unsigned long stored = size;
    if (registry.QueryValue(key, name, 0, data, &stored) != RegSuccess) return false;
    *length = stored < size ? (unsigned)stored : size;
    return true;
}

bool ReadTextValue(Registry& registry, RegKey key, const char* name, char* text, unsigned size)
{
    if (!text || size == 0) return false;
    unsigned length = 0;
    if (!QueryBounded(registry, key, name, (unsigned char*)text, size, &length)) {
        text[0] = 0;
        return false;
    }
    for (unsigned at = 0; at < length; ++at)
        if (text[at] == 0) return true;
    if (length == size) {  // no room left for the terminator: the text did not fit
        text[0] = 0;
        return false;
    }
    text[length] = 0;
    return true;
}

bool ReadNumberValue(Registry& registry, RegKey key, const char* name, unsigned bufferSize,
                     long* value)
{
    unsigned char data[MaxValueReadSize];
    unsigned length = 0;
    if (!QueryBounded(registry, key, name, data, BoundedReadSize(bufferSize), &length))
        return false;
    *value = ParseLeadingLongN((const char*)data, length);
    return true;
}

bool ReadNumberValueAt(Registry& registry, RegHive hive, const char* path, const char* name,
                       unsigned bufferSize, long* value)
{
    RegKey key = 0;
    if (registry.OpenKey(hive, path, KeyQueryValue, &key) != RegSuccess) return false;
    bool read = ReadNumberValue(registry, key, name, bufferSize, value);
    registry.CloseKey(key);
    return read;
}

static ValuePresence PresenceFrom(RegResult result)
{
    if (result == RegSuccess) return ValuePresent;
    return result == RegFileNotFound || result == RegMoreData ? ValueAbsent : ValueUnknown;
}

ValuePresence ValuePresenceAt(Registry& registry, RegHive hive, const char* path,
                              const char* name, unsigned bufferSize)
{
    RegKey key = 0;
    RegResult opened = registry.OpenKey(hive, path, KeyQueryValue, &key);
    if (opened != RegSuccess) return PresenceFrom(opened);
    unsigned char data[MaxValueReadSize];
    unsigned long size = BoundedReadSize(bufferSize);
    ValuePresence presence = PresenceFrom(registry.QueryValue(key, name, 0, data, &size));
    registry.CloseKey(key);
    return presence;
}

RegResult SetTextValue(Registry& registry, RegKey key, const char* name, const char* text)
{
    return registry.SetValue(key, name, RegSz, (const unsigned char*)text, TextLength(text) + 1);
}

RegResult SetDecimalValue(Registry& registry, RegKey key, const char* name, long value)
{
    char text[16];
    FormatDecimal(text, sizeof text, value);
    return SetTextValue(registry, key, name, text);
}

RegResult SetDwordValue(Registry& registry, RegKey key, const char* name, unsigned long value)
{
    unsigned char data[4];
    for (unsigned at = 0; at < 4; ++at) data[at] = (unsigned char)(value >> (8 * at));
    return registry.SetValue(key, name, RegDword, data, sizeof data);
}

bool OpenKeyAndSetDecimal(Registry& registry, RegHive hive, const char* path, const char* name,
                          long value)
{
    RegKey key = 0;
    if (registry.OpenKey(hive, path, KeyWriteAccess, &key) != RegSuccess) return false;
    bool written = SetDecimalValue(registry, key, name, value) == RegSuccess;
    registry.CloseKey(key);
    return written;
}

static bool CreateDriverKey(Registry& registry, RegHive hive, const char* path, const char* name,
                            RegKey* key)
{
    *key = 0;
    return registry.CreateKey(hive, path, name, KeyWriteAccess, key) == RegSuccess;
}

bool CreateKeyAndSetText(Registry& registry, RegHive hive, const char* path, const char* name,
                         const char* text)
{
    RegKey key;
    if (!CreateDriverKey(registry, hive, path, name, &key)) return false;
    bool written = SetTextValue(registry, key, name, text) == RegSuccess;
    registry.CloseKey(key);
    return written;
}

bool CreateKeyAndSetDecimal(Registry& registry, RegHive hive, const char* path, const char* name,
                            long value)
{
    char text[16];
    FormatDecimal(text, sizeof text, value);
    return CreateKeyAndSetText(registry, hive, path, name, text);
}

bool CreateKeyAndSetDword(Registry& registry, RegHive hive, const char* path, const char* name,
                          unsigned long value)
{
    RegKey key;
    if (!CreateDriverKey(registry, hive, path, name, &key)) return false;
    bool written = SetDwordValue(registry, key, name, value) == RegSuccess;
    registry.CloseKey(key);
    return written;
}

bool CreateKeyAndDeleteValue(Registry& registry, RegHive hive, const char* path,
                             const char* name)
{
    RegKey key;
    if (!CreateDriverKey(registry, hive, path, name, &key)) return false;
    RegResult result = registry.DeleteValue(key, name);
    registry.CloseKey(key);
    return DeletedOrAbsent(registry, hive, path, name, result);
}

bool DeletedOrAbsent(Registry& registry, RegHive hive, const char* path, const char* name,
                     RegResult result)
{
    if (result == RegSuccess || result == RegFileNotFound) return true;
    RegKey key = 0;
    if (registry.OpenKey(hive, path, KeyQueryValue, &key) != RegSuccess) return true;
    unsigned long size = 0;
    const RegResult query = registry.QueryValue(key, name, 0, 0, &size);
    registry.CloseKey(key);
    return query != RegSuccess && query != RegMoreData;
}

}  // namespace tarv
