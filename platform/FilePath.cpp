#include "FilePath.h"

#include <filesystem>

namespace fs = std::filesystem;

CString MakeFullPath(const CString& name)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(name), error);
    if (error)
        return name;
    return absolute.lexically_normal().string();
}

CString FollowLinks(const CString& path)
{
    constexpr int kMaxLinks = 40; // as the kernel's own limit; a loop then fails with ELOOP
    fs::path current(path);
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            break;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            break;
        current =
            target.is_absolute() ? target : (current.parent_path() / target).lexically_normal();
    }
    return current.string();
}
