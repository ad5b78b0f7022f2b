// A registry that passes every call to another one and writes down what was asked, in order,
// so tests can check the sequence of operations, their access masks and their key paths. It
// can also refuse to set chosen value names.
#pragma once

#include "registry/Registry.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tarv {

class RecordingRegistry : public Registry {
public:
    explicit RecordingRegistry(Registry& inner) : inner_(inner) {}

    RegResult OpenKey(RegHive hive, const char* path, unsigned long access, RegKey* key) override
    {
        RegResult result = inner_.OpenKey(hive, path, access, key);
        Note("open " + Path(hive, path) + Access(access), result);
        if (result == RegSuccess) paths_[*key] = Path(hive, path);
        return result;
    }
    RegResult CreateKey(RegHive hive, const char* path, const char* keyClass, unsigned long access,
                        RegKey* key) override
    {
        RegResult result = inner_.CreateKey(hive, path, keyClass, access, key);
        Note("create " + Path(hive, path) + " class " + (keyClass ? keyClass : "<none>") +
                 Access(access),
             result);
        if (result == RegSuccess) paths_[*key] = Path(hive, path);
        return result;
    }
    RegResult QueryValue(RegKey key, const char* name, unsigned long* type, unsigned char* data,
                         unsigned long* size) override
    {
        RegResult result = inner_.QueryValue(key, name, type, data, size);
        Note("query " + paths_[key] + " " + Name(name), result);
        return result;
    }
    RegResult SetValue(RegKey key, const char* name, unsigned long type, const unsigned char* data,
                       unsigned long size) override
    {
        RegResult result = refusedNames.count(Name(name))
                               ? RegAccessDenied
                               : inner_.SetValue(key, name, type, data, size);
        Note("set " + paths_[key] + " " + Name(name), result);
        return result;
    }
    RegResult DeleteValue(RegKey key, const char* name) override
    {
        RegResult result = inner_.DeleteValue(key, name);
        Note("delete value " + paths_[key] + " " + Name(name), result);
        return result;
    }
    RegResult DeleteKey(RegHive hive, const char* path) override
    {
        RegResult result = inner_.DeleteKey(hive, path);
        Note("delete key " + Path(hive, path), result);
        return result;
    }
    RegResult CloseKey(RegKey key) override
    {
        RegResult result = inner_.CloseKey(key);
        Note("close " + paths_[key], result);
        return result;
    }

    RegResult EnumKey(RegKey key, unsigned long index, char* name, unsigned long size) override
    {
        RegResult result = inner_.EnumKey(key, index, name, size);
        Note("enum " + paths_[key] + " " + std::to_string(index), result);
        return result;
    }

    // Operations whose text starts with prefix, in order.
    std::vector<std::string> Calls(const std::string& prefix = "") const
    {
        std::vector<std::string> calls;
        for (const std::string& line : log)
            if (line.compare(0, prefix.size(), prefix) == 0) calls.push_back(line);
        return calls;
    }

    std::vector<std::string> log;    // "open HKLM\path access 0x20019", with " failed" on failure
    std::set<std::string> refusedNames;  // SetValue of these names fails ("@" the default)

private:
    static std::string Path(RegHive hive, const char* path)
    {
        return std::string(hive == HiveClassesRoot ? "HKCR\\" : "HKLM\\") + path;
    }
    static std::string Name(const char* name) { return name && *name ? name : "@"; }
    static std::string Access(unsigned long access)
    {
        char text[32];
        snprintf(text, sizeof text, " access 0x%lx", access);
        return text;
    }
    void Note(const std::string& what, RegResult result)
    {
        log.push_back(result == RegSuccess ? what : what + " failed");
    }

    Registry& inner_;
    std::map<RegKey, std::string> paths_;
};

}  // namespace tarv
