// Shared by the registry and settings model tests: an in-memory registry seeded from REGEDIT4
// text, value checks by path, and a check that an operation left no key open.
#pragma once

#include "CallSite.h"
#include "registry/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarv {

const char InstanceKey[] = "System\\CurrentControlSet\\Services\\Class\\Display\\";

inline std::string Instance(const char* number, const char* subkey = "")
{
    return std::string(InstanceKey) + number + subkey;
}

class RegistryModelFixture : public ::testing::Test {
protected:
    // Loads REGEDIT4 sections given without the header line.
    void Seed(const std::string& sections, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        std::string error;
        ASSERT_TRUE(registry.LoadRegText("REGEDIT4\n\n" + sections, &error)) << error;
    }

    // Every model operation must close what it opened; wrap calls as Closed(expression).
    template <class T>
    T Closed(T result, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        EXPECT_EQ(0, registry.OpenHandleCount()) << "the operation left keys open";
        return result;
    }
    void ExpectAllClosed(CallSite site = CallSite())
    {
        CallerTrace trace(site);
        EXPECT_EQ(0, registry.OpenHandleCount()) << "keys left open";
    }

    // The value's type and bytes as "sz:175" (terminator counted and checked), "dword:175",
    // or "<missing>".
    std::string Value(const std::string& path, const char* name) const
    {
        unsigned long type = 0;
        std::vector<unsigned char> data;
        if (!registry.GetValue(HiveLocalMachine, path.c_str(), name, &type, &data))
            return "<missing>";
        if (type == RegSz) {
            if (data.empty() || data.back() != 0) return "sz without terminator";
            return "sz:" + std::string(data.begin(), data.end() - 1);
        }
        if (type == RegDword && data.size() == 4)
            return "dword:" + std::to_string(data[0] | data[1] << 8 | data[2] << 16 |
                                             (unsigned long)data[3] << 24);
        return "type " + std::to_string(type) + " of " + std::to_string(data.size()) + " bytes";
    }
    bool KeyExists(const std::string& path) const
    {
        return registry.KeyExists(HiveLocalMachine, path.c_str());
    }

    MemoryRegistry registry;
};

}  // namespace tarv
