// The in-memory registry with a count of the calls made to it, by kind.
#pragma once

#include "registry/memory/MemoryRegistry.h"

namespace tarv {

class CountingRegistry : public MemoryRegistry {
public:
    enum Kind { Open, Create, Query, Set, DeleteValueKind, DeleteKeyKind, Close, Enum, KindCount };
    static const char* const KindNames[KindCount];

    RegResult OpenKey(RegHive hive, const char* path, unsigned long access, RegKey* key) override
    {
        ++counts[Open];
        return MemoryRegistry::OpenKey(hive, path, access, key);
    }
    RegResult CreateKey(RegHive hive, const char* path, const char* keyClass, unsigned long access,
                        RegKey* key) override
    {
        ++counts[Create];
        return MemoryRegistry::CreateKey(hive, path, keyClass, access, key);
    }
    RegResult QueryValue(RegKey key, const char* name, unsigned long* type, unsigned char* data,
                         unsigned long* size) override
    {
        ++counts[Query];
        return MemoryRegistry::QueryValue(key, name, type, data, size);
    }
    RegResult SetValue(RegKey key, const char* name, unsigned long type, const unsigned char* data,
                       unsigned long size) override
    {
        ++counts[Set];
        return MemoryRegistry::SetValue(key, name, type, data, size);
    }
    RegResult DeleteValue(RegKey key, const char* name) override
    {
        ++counts[DeleteValueKind];
        return MemoryRegistry::DeleteValue(key, name);
    }
    RegResult DeleteKey(RegHive hive, const char* path) override
    {
        ++counts[DeleteKeyKind];
        return MemoryRegistry::DeleteKey(hive, path);
    }
    RegResult CloseKey(RegKey key) override
    {
        ++counts[Close];
        return MemoryRegistry::CloseKey(key);
    }

    RegResult EnumKey(RegKey key, unsigned long index, char* name, unsigned long size) override
    {
        ++counts[Enum];
        return MemoryRegistry::EnumKey(key, index, name, size);
    }

    void ResetCounts()
    {
        for (int& count : counts) count = 0;
    }
    int Total() const
    {
        int total = 0;
        for (int count : counts) total += count;
        return total;
    }

    int counts[KindCount] = {};
};

}  // namespace tarv
