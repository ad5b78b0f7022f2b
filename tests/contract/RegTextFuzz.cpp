// Any text the .reg reader accepts must save to text that reads back to the same registry.
#include "registry/memory/MemoryRegistry.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarv::MemoryRegistry reg;
    std::string error;
    const std::string before = reg.SaveRegText();
    if (!reg.LoadRegText(std::string(reinterpret_cast<const char*>(data), size), &error)) {
        if (error.compare(0, 5, "line ") != 0 || reg.SaveRegText() != before) std::abort();
        return 0;
    }
    const std::string saved = reg.SaveRegText();
    tarv::MemoryRegistry copy;
    if (!copy.LoadRegText(saved, &error) || copy.SaveRegText() != saved) std::abort();
    return 0;
}
