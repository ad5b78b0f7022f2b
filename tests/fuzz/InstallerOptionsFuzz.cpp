// Fuzzes the installer's start-up decisions with arbitrary argument text, version records,
// languages and own paths, and checks what must always hold afterwards. The limits are also
// compared with a separate reading of the options written over std::string and strtol.
#include "installer/CommandLine.h"
#include "installer/Startup.h"
#include "installer/StartupOptions.h"
#include "platform/fake/FakePlatform.h"
#include "tests/fuzz/ResourceTexts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tarv;
using namespace tarv::installer;

namespace {

// A registry with nothing in it: every key is missing.
class EmptyRegistry : public Registry {
public:
    RegResult OpenKey(RegHive, const char*, unsigned long, RegKey*) override { return RegFileNotFound; }
    RegResult CreateKey(RegHive, const char*, const char*, unsigned long, RegKey*) override
    {
        return RegAccessDenied;
    }
    RegResult QueryValue(RegKey, const char*, unsigned long*, unsigned char*, unsigned long*) override
    {
        return RegInvalidHandle;
    }
    RegResult SetValue(RegKey, const char*, unsigned long, const unsigned char*, unsigned long) override
    {
        return RegInvalidHandle;
    }
    RegResult DeleteValue(RegKey, const char*) override { return RegInvalidHandle; }
    RegResult DeleteKey(RegHive, const char*) override { return RegFileNotFound; }
    RegResult CloseKey(RegKey) override { return RegInvalidHandle; }
    RegResult EnumKey(RegKey, unsigned long, char*, unsigned long) override
    {
        return RegInvalidHandle;
    }
};

const char* const Tokens[] = {
    "lowerlimit", "LOWERLIMIT", "upperlimit", "UPPERLIMIT", "forcelang", "FORCELANG",
    "force95", "FORCE95", "force98", "FORCE98", "forcent4", "FORCENT4", "forcent5", "FORCENT5",
    "LowerLimit", "(", ")", "((", "))", " ", "\t", "-", "+", "0", "1", "3", "9", "99999999999",
    "FRENCH", "german", "x", "MHz"};

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The limit an option gives, read independently: the keyword's upper form first, 255
// characters from it examined, the text between "(" and the next ")" read with strtol.
long ReferenceLimit(const std::string& arguments, const std::string& keyword, long current,
                    long low, long high)
{
    std::string upper = keyword;
    for (char& c : upper) c = (char)(c - 'a' + 'A');
    size_t at = arguments.find(upper);
    if (at == std::string::npos) at = arguments.find(keyword);
    if (at != std::string::npos) {
        std::string tail = arguments.substr(at, OptionTextSize - 1);
        size_t open = tail.find('(');
        size_t close = open == std::string::npos ? open : tail.find(')', open + 1);
        if (close != std::string::npos) {
            std::string value = tail.substr(open + 1, close - open - 1);
            long long number = std::strtoll(value.c_str(), nullptr, 10);
            current = number < low ? low : number > high ? high : (long)number;
        }
    }
    return current < low ? low : current > high ? high : current;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 12) return 0;
    FakePlatform platform;
    platform.versionKnown = (data[0] & 1) != 0;
    unsigned long build = data[4] | data[5] << 8 | data[6] << 16 | (unsigned long)data[7] << 24;
    platform.Set(data[1] % 8, data[2], build, (data[0] >> 1) % 3);
    platform.language = (unsigned short)(data[8] | data[9] << 8);
    // Own paths from a few characters to beyond what fits beside the library name.
    unsigned directoryLength = (data[10] | data[11] << 8) % 600;
    std::string directory = "C:\\" + std::string(directoryLength, 'd') + "\\";
    platform.modulePath = directory + "TARVINST.EXE";
    if ((data[0] & 8) == 0) platform.existingFiles.insert(directory + "TARVPAGE.DLL");

    std::string arguments;
    if (data[0] & 16) {
        // Raw text: the program sees it up to the first zero byte.
        arguments.assign((const char*)data + 12, size - 12);
        arguments = arguments.c_str();
    } else {
        // Built from the options' own words, so brackets and numbers meet keywords often;
        // long runs of one byte stretch the text past the working copy.
        for (size_t i = 12; i < size; ++i) {
            if (data[i] >= 0xF0)
                arguments.append(((size_t)(data[i] & 0x0F) + 1) * 16, 'x');
            else
                arguments += Tokens[data[i] % (sizeof Tokens / sizeof Tokens[0])];
        }
    }

    EmptyRegistry registry;
    InstallerState state;
    std::memset(&state, 0x5A, sizeof state);
    StartupOutcome outcome = RunStartupDecisions(arguments.c_str(), platform, registry,
                                                 InstallerTexts(), &state);

    Check(state.StringSetBase == 0 || state.StringSetBase == 35 || state.StringSetBase == 70,
          "string set base");
    Check(std::memchr(state.LibraryPath, 0, sizeof state.LibraryPath) != nullptr,
          "library path terminated within its buffer");
    bool fits = directory.size() + 12 <= LibraryPathSize - 1;
    if (outcome == StartupLibraryMissing) {
        Check(!fits || (data[0] & 8) != 0, "library reported missing although it is there");
        return 0;
    }
    Check(fits && (data[0] & 8) == 0, "library found although missing or too long");
    Check(directory + "TARVPAGE.DLL" == state.LibraryPath, "library path");
    Check(state.OsFlavor >= Win9x && state.OsFlavor <= WinNT5, "flavour in range");
    Check(state.Force95 + state.Force98 + state.ForceNT4 + state.ForceNT5 <= 1,
          "at most one force flag");
    Check(!state.ForceNT4 || state.OsFlavor == WinNT4, "forcent4 gives NT 4");
    Check(!state.ForceNT5 || state.OsFlavor == WinNT5, "forcent5 gives NT 5");
    Check(!(state.Force95 || state.Force98) || state.OsFlavor == Win9x, "force9x gives Win9x");
    Check(state.LowerLimit >= 100 && state.LowerLimit <= 140, "lower limit in range");
    Check(state.UpperLimit >= 200 && state.UpperLimit <= 240, "upper limit in range");
    Check(state.LowerLimit == ReferenceLimit(arguments, "lowerlimit", 120, 100, 140),
          "lower limit as read independently");
    Check(state.UpperLimit == ReferenceLimit(arguments, "upperlimit", 220, 200, 240),
          "upper limit as read independently");
    Check(state.adapterCount == 0 && state.adapters[0] == -1, "no adapters in an empty registry");

    char value[OptionTextSize];
    if (FindOptionValue(arguments.c_str(), "forcelang", value, sizeof value))
        Check(std::strlen(value) < sizeof value, "option value terminated");
    return 0;
}
