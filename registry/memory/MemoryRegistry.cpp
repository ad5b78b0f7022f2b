#include "registry/memory/MemoryRegistry.h"

#include "registry/memory/MemoryKey.h"

#include <cstring>
#include <iterator>

namespace tarv {

unsigned char FoldNameChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    // Windows-1252 lower-case letters: à..þ except ÷, and š œ ž ÿ.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
    if (c == 0xFF) return 0x9F;
    return c;
}

std::string FoldName(const std::string& name) {
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(FoldNameChar(static_cast<unsigned char>(c)));
    return folded;
}

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = FoldNameChar(static_cast<unsigned char>(a[i]));
        unsigned char y = FoldNameChar(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

bool SplitKeyPath(const char* path, std::vector<std::string>* parts) {
    parts->clear();
    if (!path || !*path) return true;
    if (*path == '\\') return false;
    size_t separators = 0;  // one allocation for the list, not one per doubling
    for (const char* p = path; *p; ++p) separators += *p == '\\';
    parts->reserve(separators + 1);
    std::string part;
    for (const char* p = path;; ++p) {
        if (*p != '\\' && *p != 0) {
            part += *p;
            continue;
        }
        // Like Windows NT, an empty component ("a\\\\b", a trailing backslash) is skipped.
        if (!part.empty()) parts->push_back(part);
        part.clear();
        if (*p == 0) return true;
    }
}

const char* HiveName(RegHive hive) {
    return hive == HiveClassesRoot ? "HKEY_CLASSES_ROOT" : "HKEY_LOCAL_MACHINE";
}

void MarkDeleted(MemoryRegistry::Key* key) {
    key->deleted = true;
    key->parent = nullptr;
    for (auto& child : key->children) MarkDeleted(child.second.get());
    key->children.clear();
    key->values.clear();
}

struct MemoryRegistry::Handle {
    std::shared_ptr<Key> key;  // shared, so a key deleted meanwhile stays valid memory
    unsigned long access;
    RegHive hive;
    std::string foldedPath;
};

namespace {

bool ValidHive(RegHive hive) { return hive == HiveLocalMachine || hive == HiveClassesRoot; }

std::string JoinFolded(const std::vector<std::string>& parts, size_t count) {
    std::string path;
    size_t length = 0;
    for (size_t i = 0; i < count && i < parts.size(); ++i) length += parts[i].size() + 1;
    path.reserve(length);
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i) path += '\\';
        path += FoldName(parts[i]);
    }
    return path;
}

// Whether every component of path names an existing key below root. It copies one component
// at a time into part, where SplitKeyPath builds a list of them all.
bool KeyPathExists(const MemoryRegistry::Key& root, const char* path, std::string& part) {
    const MemoryRegistry::Key* node = &root;
    for (const char* p = path ? path : ""; *p;) {
        const char* end = p;
        while (*end && *end != '\\') ++end;
        if (end != p) {
            part.assign(p, static_cast<size_t>(end - p));
            auto it = node->children.find(part);
            if (it == node->children.end()) return false;
            node = it->second.get();
        }
        p = *end ? end + 1 : end;
    }
    return true;
}

bool IsStringType(unsigned long type) {
    return type == RegSz || type == RegExpandSz || type == RegMultiSz;
}

}  // namespace

MemoryRegistry::MemoryRegistry()
    : deniedEverywhere_(0), nextHandle_(0x1000), callsCounted_(0), failingCall_(0),
      failingCode_(RegSuccess) {
    for (auto& root : roots_) root = std::make_shared<Key>();
}

MemoryRegistry::~MemoryRegistry() {
    for (auto& root : roots_) MarkDeleted(root.get());
}

int MemoryRegistry::OpenHandleCount() const { return static_cast<int>(handles_.size()); }

void MemoryRegistry::FailNthCall(unsigned long n, RegResult code) {
    callsCounted_ = 0;
    failingCall_ = n;
    failingCode_ = code;
}

unsigned long MemoryRegistry::CallsCounted() const { return callsCounted_; }

bool MemoryRegistry::FailsNow() { return ++callsCounted_ == failingCall_; }

MemoryRegistry::Key* MemoryRegistry::FindKey(RegHive hive, const char* path) const {
    std::vector<std::string> parts;
    if (!ValidHive(hive) || !SplitKeyPath(path, &parts)) return nullptr;
    Key* key = roots_[hive].get();
    for (const std::string& part : parts) {
        auto it = key->children.find(part);
        if (it == key->children.end()) return nullptr;
        key = it->second.get();
    }
    return key;
}

unsigned MemoryRegistry::DenyFor(RegHive hive, const std::string& foldedPath) const {
    if (denials_.empty()) return deniedEverywhere_;
    auto it = denials_.find(std::make_pair(static_cast<int>(hive), foldedPath));
    return deniedEverywhere_ | (it == denials_.end() ? 0 : it->second);
}

RegResult MemoryRegistry::LookUp(RegKey key, Handle** handle) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return RegInvalidHandle;
    *handle = it->second.get();
    return it->second->key->deleted ? RegKeyDeleted : RegSuccess;
}

RegKey MemoryRegistry::AddHandle(RegHive hive, const std::shared_ptr<Key>& key,
                                 unsigned long access, const std::string& foldedPath) {
    RegKey handle = nextHandle_;
    nextHandle_ += 4;
    if (nextHandle_ == 0) nextHandle_ = 0x1000;
    std::unique_ptr<Handle> entry(new Handle);
    entry->key = key;
    entry->access = access;
    entry->hive = hive;
    entry->foldedPath = foldedPath;
    handles_[handle] = std::move(entry);
    return handle;
}

RegResult MemoryRegistry::OpenKey(RegHive hive, const char* path, unsigned long access,
                                  RegKey* key) {
    if (!key) return RegInvalidParameter;
    *key = 0;
    if (FailsNow()) return failingCode_;
    if (!ValidHive(hive)) return RegInvalidHandle;
    // Most opens look for keys that are not there: they need no copy of the path.
    if (path && *path != '\\' && !KeyPathExists(*roots_[hive], path, scratch_))
        return RegFileNotFound;
    std::vector<std::string> parts;
    if (!SplitKeyPath(path, &parts)) return RegBadPathname;
    std::shared_ptr<Key> node = roots_[hive];
    for (const std::string& part : parts) {
        auto it = node->children.find(part);
        if (it == node->children.end()) return RegFileNotFound;
        node = it->second;
    }
    std::string folded = JoinFolded(parts, parts.size());
    const unsigned deny = DenyFor(hive, folded);
    if ((deny & DenyOpen) || ((deny & DenyOpenForWriting) && (access & KeyWriteAccess)))
        return RegAccessDenied;
    *key = AddHandle(hive, node, access, folded);
    return RegSuccess;
}

RegResult MemoryRegistry::CreateKey(RegHive hive, const char* path, const char* keyClass,
                                    unsigned long access, RegKey* key) {
    if (!key) return RegInvalidParameter;
    *key = 0;
    if (FailsNow()) return failingCode_;
    if (!ValidHive(hive)) return RegInvalidHandle;
    std::vector<std::string> parts;
    if (!SplitKeyPath(path, &parts)) return RegBadPathname;

    // Check every refusal before changing anything.
    std::shared_ptr<Key> node = roots_[hive];
    size_t existing = 0;
    while (existing < parts.size()) {
        auto it = node->children.find(parts[existing]);
        if (it == node->children.end()) break;
        node = it->second;
        ++existing;
    }
    for (size_t i = existing; i < parts.size(); ++i) {
        if (DenyFor(hive, JoinFolded(parts, i + 1)) & DenyCreate) return RegAccessDenied;
    }
    std::string folded = JoinFolded(parts, parts.size());
    unsigned deny = DenyFor(hive, folded);
    if (deny & DenyCreate) return RegAccessDenied;
    if (existing == parts.size() && (deny & DenyOpen)) return RegAccessDenied;

    for (size_t i = existing; i < parts.size(); ++i) {
        std::shared_ptr<Key> child = std::make_shared<Key>();
        child->name = parts[i];
        child->parent = node.get();
        if (i + 1 == parts.size() && keyClass) child->keyClass = keyClass;
        node->children[parts[i]] = child;
        node = child;
    }
    *key = AddHandle(hive, node, access, folded);
    return RegSuccess;
}

RegResult MemoryRegistry::QueryValue(RegKey key, const char* name, unsigned long* type,
                                     unsigned char* data, unsigned long* size) {
    if (FailsNow()) return failingCode_;
    Handle* handle = nullptr;
    RegResult result = LookUp(key, &handle);
    if (result != RegSuccess) return result;
    if (!(handle->access & KeyQueryValue)) return RegAccessDenied;
    if (DenyFor(handle->hive, handle->foldedPath) & DenyRead) return RegAccessDenied;
    if (data && !size) return RegInvalidParameter;

    auto it = handle->key->values.find(name ? name : "");
    if (it == handle->key->values.end()) return RegFileNotFound;
    const MemoryValue& value = it->second;
    unsigned long length = static_cast<unsigned long>(value.data.size());
    if (type) *type = value.type;
    if (data) {
        if (*size < length) {
            *size = length;
            return RegMoreData;
        }
        if (length) std::memcpy(data, value.data.data(), length);
        // Windows NT terminates a string stored without its terminator when the buffer has
        // room for one; the returned length stays the stored one.
        if (IsStringType(value.type) && length && value.data[length - 1] != 0 && *size > length)
            data[length] = 0;
    }
    if (size) *size = length;
    return RegSuccess;
}

RegResult MemoryRegistry::SetValue(RegKey key, const char* name, unsigned long type,
                                   const unsigned char* data, unsigned long size) {
    if (FailsNow()) return failingCode_;
    Handle* handle = nullptr;
    RegResult result = LookUp(key, &handle);
    if (result != RegSuccess) return result;
    if (!(handle->access & KeySetValue)) return RegAccessDenied;
    if (DenyFor(handle->hive, handle->foldedPath) & DenyWrite) return RegAccessDenied;
    if (!data && size) return RegInvalidParameter;

    std::string valueName = name ? name : "";
    auto it = handle->key->values.find(valueName);
    if (it == handle->key->values.end()) {
        it = handle->key->values.emplace(valueName, MemoryValue()).first;
        it->second.name = valueName;
    }
    it->second.type = type;
    it->second.data.assign(data, data + size);
    return RegSuccess;
}

RegResult MemoryRegistry::DeleteValue(RegKey key, const char* name) {
    if (FailsNow()) return failingCode_;
    Handle* handle = nullptr;
    RegResult result = LookUp(key, &handle);
    if (result != RegSuccess) return result;
    if (!(handle->access & KeySetValue)) return RegAccessDenied;
    if (DenyFor(handle->hive, handle->foldedPath) & DenyWrite) return RegAccessDenied;
    auto it = handle->key->values.find(name ? name : "");
    if (it == handle->key->values.end()) return RegFileNotFound;
    handle->key->values.erase(it);
    return RegSuccess;
}

RegResult MemoryRegistry::DeleteKey(RegHive hive, const char* path) {
    if (FailsNow()) return failingCode_;
    if (!ValidHive(hive)) return RegInvalidHandle;
    std::vector<std::string> parts;
    if (!SplitKeyPath(path, &parts)) return RegBadPathname;
    if (parts.empty()) return RegAccessDenied;  // a hive root cannot be deleted
    Key* key = FindKey(hive, path);
    if (!key) return RegFileNotFound;
    if (DenyFor(hive, JoinFolded(parts, parts.size())) & DenyDelete) return RegAccessDenied;
    if (!key->children.empty()) return RegAccessDenied;
    std::shared_ptr<Key> keep = key->parent->children[parts.back()];
    key->parent->children.erase(parts.back());
    MarkDeleted(keep.get());
    return RegSuccess;
}

RegResult MemoryRegistry::CloseKey(RegKey key) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return RegInvalidHandle;
    handles_.erase(it);
    return RegSuccess;
}

RegResult MemoryRegistry::EnumKey(RegKey key, unsigned long index, char* name,
                                  unsigned long size) {
    if (FailsNow()) return failingCode_;
    Handle* handle = nullptr;
    RegResult result = LookUp(key, &handle);
    if (result != RegSuccess) return result;
    if (!(handle->access & KeyEnumerateSubKeys)) return RegAccessDenied;
    if (DenyFor(handle->hive, handle->foldedPath) & DenyRead) return RegAccessDenied;
    if (!name) return RegInvalidParameter;
    const auto& children = handle->key->children;
    if (index >= children.size()) return RegNoMoreItems;
    auto it = children.begin();
    std::advance(it, index);
    const std::string& found = it->second->name;
    if (found.size() + 1 > size) return RegMoreData;
    std::memcpy(name, found.c_str(), found.size() + 1);
    return RegSuccess;
}

void MemoryRegistry::DenyOnKey(RegHive hive, const char* path, unsigned deny) {
    std::vector<std::string> parts;
    if (!ValidHive(hive) || !SplitKeyPath(path, &parts)) return;
    auto id = std::make_pair(static_cast<int>(hive), JoinFolded(parts, parts.size()));
    if (deny)
        denials_[id] = deny;
    else
        denials_.erase(id);
}

void MemoryRegistry::DenyEverywhere(unsigned deny) { deniedEverywhere_ = deny; }

bool MemoryRegistry::KeyExists(RegHive hive, const char* path) const {
    return FindKey(hive, path) != nullptr;
}

bool MemoryRegistry::GetValue(RegHive hive, const char* path, const char* name,
                              unsigned long* type, std::vector<unsigned char>* data) const {
    Key* key = FindKey(hive, path);
    if (!key) return false;
    auto it = key->values.find(name ? name : "");
    if (it == key->values.end()) return false;
    if (type) *type = it->second.type;
    if (data) *data = it->second.data;
    return true;
}

void MemoryRegistry::ApplyTextOps(const std::vector<TextOp>& ops) {
    Key* section = nullptr;  // the key of the [key] line the value lines that follow belong to
    for (const TextOp& op : ops) {
        Key* key = roots_[op.hive].get();
        if (op.kind == TextOp::SetValue || op.kind == TextOp::DeleteValue) key = section;
        if (op.kind == TextOp::DeleteTree) {
            for (size_t i = 0; key && i < op.path.size(); ++i) {
                auto it = key->children.find(op.path[i]);
                if (it == key->children.end()) {
                    key = nullptr;
                } else if (i + 1 == op.path.size()) {
                    std::shared_ptr<Key> keep = it->second;
                    key->children.erase(it);
                    MarkDeleted(keep.get());
                } else {
                    key = it->second.get();
                }
            }
            continue;
        }
        for (const std::string& part : op.path) {
            auto it = key->children.find(part);
            if (it == key->children.end()) {
                std::shared_ptr<Key> child = std::make_shared<Key>();
                child->name = part;
                child->parent = key;
                it = key->children.emplace(part, child).first;
            }
            key = it->second.get();
        }
        if (op.kind == TextOp::CreateKey) section = key;
        if (op.kind == TextOp::SetValue) {
            auto it = key->values.find(op.valueName);
            if (it == key->values.end()) {
                it = key->values.emplace(op.valueName, MemoryValue()).first;
                it->second.name = op.valueName;
            }
            it->second.type = op.type;
            it->second.data = op.data;
        } else if (op.kind == TextOp::DeleteValue) {
            key->values.erase(op.valueName);
        }
    }
}

}  // namespace tarv
