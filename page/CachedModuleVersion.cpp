#include "page/CachedModuleVersion.h"

#include "text/Text.h"

namespace tarv {

CachedModuleVersion::CachedModuleVersion(ModuleVersionSource& source)
    : source_(source),
      pathAsked_(false),
      pathKnown_(false),
      versionAsked_(false),
      versionKnown_(false),
      most_(0),
      least_(0)
{
    path_[0] = 0;
    versionPath_[0] = 0;
}

bool CachedModuleVersion::GetModulePath(char* buffer, unsigned size)
{
    if (!pathAsked_) {
        pathKnown_ = source_.GetModulePath(path_, sizeof path_);
        pathAsked_ = true;
    }
    return pathKnown_ && CopyText(buffer, size, path_);
}

bool CachedModuleVersion::ReadFileVersion(const char* path, unsigned long* most,
                                          unsigned long* least)
{
    // The module's own file is the one read; another path is asked of the source.
    if (!versionAsked_ || !TextEquals(path, versionPath_)) {
        versionKnown_ = source_.ReadFileVersion(path, &most_, &least_);
        versionAsked_ = CopyText(versionPath_, sizeof versionPath_, path);
    }
    if (!versionKnown_) return false;
    *most = most_;
    *least = least_;
    return true;
}

}  // namespace tarv
