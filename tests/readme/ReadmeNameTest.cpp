// The readme's name and full path, derived from the level file name.
#include "FilePath.h"
#include "ReadmeFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

TEST(MakeReadmeFileName, ReplacesTheExtensionInTheLastComponentOnly)
{
    const struct {
        const char* level;
        const char* readme;
    } cases[] = {
        {"castle.vxm", "castle.htm"},
        {"a.vxm.vxm", "a.htm.htm"},
        {"x.vxmap", "x.htmap"},
        {"my.vxm.backup", "my.htm.backup"},
        {"level.VXM", "level.VXM"},
        {"maps.vxm/castle.vxm", "maps.vxm/castle.htm"},
        {"/home/me/a.vxm/b.vxm/c.vxm", "/home/me/a.vxm/b.vxm/c.htm"},
        {"maps.vxm/castle", "maps.vxm/castle"},
        {".vxm.vxm", ".htm.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeReadmeFileName(c.level), c.readme) << c.level;
}

TEST(HasLevelExtension, LooksInTheFileNamePartOnly)
{
    const struct {
        const char* level;
        bool has;
    } cases[] = {
        {"castle.vxm", true},      {"my.vxm.backup", true}, {"notes.vxmx", true},
        {"level.VXM", false},      {"castle", false},       {"maps.vxm/castle", false},
        {"maps/castle.vxm", true}, {"maps.vxm/", false},    {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasLevelExtension(c.level), c.has) << c.level;
}

TEST(MakeFullPath, IsAbsoluteWithDotsResolvedAndNoLengthLimit)
{
    TempDir dir;
    CurrentDir here(dir.path());
    const std::string cwd = std::filesystem::current_path().string();
    const std::string longName(300, 'n');
    const struct {
        std::string typed;
        std::string full;
    } cases[] = {
        {"castle.htm", cwd + "/castle.htm"},
        {"./maps/../castle.htm", cwd + "/castle.htm"},
        {"a//b/./c.htm", cwd + "/a/b/c.htm"},
        {"/tmp/../srv/x.htm", "/srv/x.htm"},
        {"/../x.htm", "/x.htm"},
        {longName + "/" + longName + ".htm", cwd + "/" + longName + "/" + longName + ".htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeFullPath(c.typed), c.full) << c.typed;
}
