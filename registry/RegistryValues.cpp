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

// Whether the first length bytes of data, up to a zero byte among them, are text.
static bool DataIsText(const unsigned char* data, unsigned length, const char* text)
{
    unsigned at = 0;
    for (; at < length && data[at] != 0; ++at)
        if (text[at] == 0 || (unsigned char)text[at] != data[at]) return false;
    return text[at] == 0;
}

ValuePresence TextValueAt(Registry& registry, RegHive hive, const char* path, const char* name,
                          const char* text, unsigned bufferSize)
{
    RegKey key = 0;
    RegResult opened = registry.OpenKey(hive, path, KeyQueryValue, &key);
    if (opened != RegSuccess) return PresenceFrom(opened);
    unsigned char data[MaxValueReadSize];
    unsigned long size = BoundedReadSize(bufferSize);
    ValuePresence presence = PresenceFrom(registry.QueryValue(key, name, 0, data, &size));
    registry.CloseKey(key);
    const unsigned length = size < sizeof data ? (unsigned)size : (unsigned)sizeof data;
    if (presence == ValuePresent && !DataIsText(data, length, text)) presence = ValueAbsent;
    return presence;
}

bool ValueHoldsAt(Registry& registry, RegHive hive, const char* path, const char* name,
                  unsigned long type, const unsigned char* data, unsigned long size)
{
    RegKey key = 0;
    if (registry.OpenKey(hive, path, KeyQueryValue, &key) != RegSuccess) return false;
    unsigned char stored[MaxValueReadSize];
    unsigned long storedType = RegNone;
    unsigned long storedSize = sizeof stored;
    bool holds = registry.QueryValue(key, name, &storedType, stored, &storedSize) == RegSuccess &&
                 storedType == type && storedSize == size;
    for (unsigned long at = 0; holds && at < size; ++at) holds = stored[at] == data[at];
    registry.CloseKey(key);
    return holds;
}

bool TextValueHoldsAt(Registry& registry, RegHive hive, const char* path, const char* name,
                      const char* text)
{
    return ValueHoldsAt(registry, hive, path, name, RegSz, (const unsigned char*)text,
                        TextLength(text) + 1);
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

static void DwordBytes(unsigned long value, unsigned char (&data)[4])
{
    for (unsigned at = 0; at < 4; ++at) data[at] = (unsigned char)(value >> (8 * at));
}

RegResult SetDwordValue(Registry& registry, RegKey key, const char* name, unsigned long value)
{
    unsigned char data[4];
    DwordBytes(value, data);
    return registry.SetValue(key, name, RegDword, data, sizeof data);
}

// Sets name at path through its key, created first (the value's name as its class) or only
// opened; true when the value holds the data afterwards.
static bool StoreValue(Registry& registry, RegHive hive, const char* path, const char* name,
                       unsigned long type, const unsigned char* data, unsigned long size,
                       bool create)
{
    RegKey key = 0;
    const RegResult opened = create ? registry.CreateKey(hive, path, name, KeyWriteAccess, &key)
                                    : registry.OpenKey(hive, path, KeyWriteAccess, &key);
    if (opened == RegSuccess) {
        const bool written = registry.SetValue(key, name, type, data, size) == RegSuccess;
        registry.CloseKey(key);
        if (written) return true;
    }
    return ValueHoldsAt(registry, hive, path, name, type, data, size);
}

static bool StoreText(Registry& registry, RegHive hive, const char* path, const char* name,
                      const char* text, bool create)
{
    return StoreValue(registry, hive, path, name, RegSz, (const unsigned char*)text,
                      TextLength(text) + 1, create);
}

bool OpenKeyAndSetDecimal(Registry& registry, RegHive hive, const char* path, const char* name,
                          long value)
{
    char text[16];
    FormatDecimal(text, sizeof text, value);
    return StoreText(registry, hive, path, name, text, false);
}

bool OpenKeyAndDeleteValue(Registry& registry, RegHive hive, const char* path, const char* name)
{
    RegKey key = 0;
    RegResult result = registry.OpenKey(hive, path, KeyWriteAccess, &key);
    if (result == RegSuccess) {
        result = registry.DeleteValue(key, name);
        registry.CloseKey(key);
    }
    return DeletedOrAbsent(registry, hive, path, name, result);
}

bool CreateKeyAndSetText(Registry& registry, RegHive hive, const char* path, const char* name,
                         const char* text)
{
    return StoreText(registry, hive, path, name, text, true);
}

bool CreateKeyAndSetDecimal(Registry& registry, RegHive hive, const char* path, const char* name,
                            long value)
{
    char text[16];
    FormatDecimal(text, sizeof text, value);
    return StoreText(registry, hive, path, name, text, true);
}

bool CreateKeyAndSetDword(Registry& registry, RegHive hive, const char* path, const char* name,
                          unsigned long value)
{
    unsigned char data[4];
    DwordBytes(value, data);
    return StoreValue(registry, hive, path, name, RegDword, data, sizeof data, true);
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

RegResult NextSubkey(Registry& registry, RegKey key, unsigned long* index, char* name,
                     unsigned size)
{
    for (;; ++*index) {
        const RegResult listed = registry.EnumKey(key, *index, name, size);
        if (listed == RegSuccess) ++*index;
        if (listed != RegMoreData) return listed;
    }
}

}  // namespace tarv
