#include "Controls.h"
#include "IconHandle.h"

#include <map>

HICON LoadIconResourceHandle(int iconId)
{
    static std::map<int, IconHandle> loaded;
    auto found = loaded.find(iconId);
    if (found == loaded.end())
        found = loaded.emplace(iconId, IconHandle{LoadIconResource(iconId)}).first;
    return &found->second;
}
