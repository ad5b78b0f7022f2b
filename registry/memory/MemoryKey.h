// The in-memory registry's tree, shared by the key operations and the .reg text reader/writer.
#pragma once

#include "registry/memory/MemoryRegistry.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarv {

// Orders names the way the registry compares them: without case (ASCII and the Windows-1252
// letters), byte for byte otherwise.
unsigned char FoldNameChar(unsigned char c);
std::string FoldName(const std::string& name);
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct MemoryValue {
    std::string name;  // as first written
    unsigned long type = RegNone;
    std::vector<unsigned char> data;
};

struct MemoryRegistry::Key {
    std::string name;  // as first created
    std::string keyClass;
    Key* parent = nullptr;  // null for the hive roots and for deleted keys
    bool deleted = false;   // handles may outlive their key; they then see RegKeyDeleted
    std::map<std::string, std::shared_ptr<Key>, NoCaseLess> children;
    std::map<std::string, MemoryValue, NoCaseLess> values;
};

// One change read from .reg text; a whole file is read into these before any is applied.
struct MemoryRegistry::TextOp {
    enum Kind { CreateKey, DeleteTree, SetValue, DeleteValue } kind;
    RegHive hive;
    std::vector<std::string> path;  // key lines only; a value line's key is its section's
    std::string valueName;
    unsigned long type;
    std::vector<unsigned char> data;
};

// A path split at backslashes. An empty path (or null) is the hive root; empty components are
// skipped. Returns false for a leading backslash, which Windows NT refuses.
bool SplitKeyPath(const char* path, std::vector<std::string>* parts);

const char* HiveName(RegHive hive);

// Marks a key and everything below it deleted, so handles still open see RegKeyDeleted.
void MarkDeleted(MemoryRegistry::Key* key);

}  // namespace tarv
