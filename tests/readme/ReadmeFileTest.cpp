// The readme on disk: exact bytes, CR LF line ends, and safe replacement of an older readme.
#include "CrLfTranslator.h"
#include "ReadmeFile.h"
#include "ReadmeFixtures.h"
#include "StdioFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string Golden(const std::string& name)
{
    return ReadBytes(std::string(GOLDEN_DIR) + "/" + name);
}

} // namespace

TEST(CreateReadmeFile, WritesTheGoldenBytesAndReturnsTheFullPath)
{
    TempDir dir;
    CurrentDir here(dir.path());
    const std::string cwd = std::filesystem::current_path().string();

    EXPECT_EQ(CreateReadmeFile(FullRecord()), cwd + "/castle.htm");
    EXPECT_EQ(ReadBytes("castle.htm"), Golden("full.htm"));

    ReadmeRecord empty;
    empty.fileName = "empty.vxm";
    EXPECT_EQ(CreateReadmeFile(empty), cwd + "/empty.htm");
    EXPECT_EQ(ReadBytes("empty.htm"), Golden("empty.htm"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"castle.htm", "empty.htm"}));
}

TEST(CStdioFile, EveryLineBreakReachesTheDiskAsExactlyCrLf)
{
    TempDir dir;
    const struct {
        std::vector<std::string> writes;
        std::string bytes;
    } cases[] = {
        {{"a\nb\n"}, "a\r\nb\r\n"},
        {{"a\r\nb"}, "a\r\nb"},
        {{"a\r", "\nb"}, "a\r\nb"},
        {{"a\rb\r"}, "a\rb\r"},
        {{"\n\n", "\r", "", "\n"}, "\r\n\r\n\r\n"},
        {{"a\r\r\nb"}, "a\r\r\nb"},
        {{"x", "\n"}, "x\r\n"},
    };
    for (const auto& c : cases) {
        CStdioFile file;
        file.Open(dir / "out.htm");
        for (const auto& w : c.writes)
            file.WriteString(w);
        file.Close();
        EXPECT_EQ(ReadBytes(dir / "out.htm"), c.bytes) << testing::PrintToString(c.writes);
    }
}

TEST(CreateReadmeFile, ReplacesAnExistingReadmeKeepingItsModeAndLinks)
{
    TempDir dir;
    CurrentDir here(dir.path());
    ReadmeRecord record = FullRecord();
    WriteBytes(dir / "old.htm", "old readme");
    ::chmod((dir / "old.htm").c_str(), 0640);
    std::filesystem::create_symlink("old.htm", dir / "link.htm");

    record.fileName = "./maps/../link.vxm";
    EXPECT_EQ(CreateReadmeFile(record), std::filesystem::current_path().string() + "/link.htm");

    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.htm"));
    std::string expected = Golden("full.htm");
    expected.replace(expected.find("castle.vxm"), 10, "./maps/../link.vxm");
    EXPECT_EQ(ReadBytes(dir / "old.htm"), expected);
    struct stat status {};
    ::stat((dir / "old.htm").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.htm", "old.htm"}));
}

TEST(CreateReadmeFile, NewReadmeTakesTheUsualModeForANewFile)
{
    TempDir dir;
    ReadmeRecord record;
    record.fileName = dir / "new.vxm";
    const mode_t mask = ::umask(022);
    CreateReadmeFile(record);
    ::umask(mask);
    struct stat status {};
    ::stat((dir / "new.htm").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
}

TEST(CrLfTranslator, CarriesACarriageReturnAcrossPieces)
{
    const struct {
        std::vector<std::string> pieces;
        std::string out;
    } cases[] = {
        {{"a\r", "\n"}, "a\r\n"},
        {{"a", "\n"}, "a\r\n"},
        {{"\r", "", "\n"}, "\r\n"},
        {{"\r\r", "\n\n"}, "\r\r\n\r\n"},
    };
    for (const auto& c : cases) {
        CrLfTranslator translator;
        std::string out;
        for (const auto& piece : c.pieces)
            translator.Append(piece, out);
        EXPECT_EQ(out, c.out) << testing::PrintToString(c.pieces);
    }
}
