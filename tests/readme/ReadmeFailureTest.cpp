// Every way writing a readme can fail: the message names the file and the real cause, an older
// readme stays byte for byte, and no temporary is left behind.
#include "FileCalls.h"
#include "FileException.h"
#include "ReadmeFile.h"
#include "ReadmeFixtures.h"
#include "TempDir.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Makes call number `failingCall` of one kind fail with `error`.
struct Fault {
    static inline int callsLeft = 0;
    static inline int error = 0;

    static bool Fails()
    {
        if (--callsLeft != 0)
            return false;
        errno = error;
        return true;
    }
    static ssize_t Write(int fd, const void* data, size_t size)
    {
        return Fails() ? -1 : DefaultFileCalls().write(fd, data, size);
    }
    static int Fsync(int fd) { return Fails() ? -1 : DefaultFileCalls().fsync(fd); }
    static int Close(int fd)
    {
        DefaultFileCalls().close(fd);
        return Fails() ? -1 : 0;
    }
    static int Rename(const char* from, const char* to)
    {
        return Fails() ? -1 : DefaultFileCalls().rename(from, to);
    }
};

class FileCallsGuard {
public:
    ~FileCallsGuard() { ActiveFileCalls() = DefaultFileCalls(); }
};

enum class Call { none, write, fsync, close, rename };

void Inject(Call call, int failingCall, int error)
{
    Fault::callsLeft = failingCall;
    Fault::error = error;
    FileCalls& calls = ActiveFileCalls();
    switch (call) {
    case Call::write: calls.write = Fault::Write; break;
    case Call::fsync: calls.fsync = Fault::Fsync; break;
    case Call::close: calls.close = Fault::Close; break;
    case Call::rename: calls.rename = Fault::Rename; break;
    case Call::none: break;
    }
}

const std::string kOldReadme = "the author's older readme\r\n";

} // namespace

TEST(CreateReadmeFile, FailuresNameTheFileAndLoseNothing)
{
    std::string bigNotes; // 1 MiB in many lines, so that the file is written in many pieces
    for (int line = 0; line < 16 * 1024; ++line)
        bigNotes += std::string(63, 'n') + "\n";
    const struct {
        const char* what;
        Call call;
        int failingCall;
        int error;
        bool bigRecord;
        const char* levelName; // under the scratch folder
        const char* readmeName;
        const char* reason; // after the path; empty for the disk-full text
    } cases[] = {
        {"write fails midway", Call::write, 2, ENOSPC, true, "castle.vxm", "castle.htm", ""},
        {"quota full midway", Call::write, 3, EDQUOT, true, "castle.vxm", "castle.htm", ""},
        {"file too large", Call::write, 2, EFBIG, true, "castle.vxm", "castle.htm", ""},
        {"flush fails", Call::write, 1, EIO, false, "castle.vxm", "castle.htm",
         "Input/output error"},
        {"fsync fails", Call::fsync, 1, EIO, false, "castle.vxm", "castle.htm",
         "Input/output error"},
        {"close fails", Call::close, 1, ENOSPC, false, "castle.vxm", "castle.htm", ""},
        {"rename fails", Call::rename, 1, EACCES, false, "castle.vxm", "castle.htm",
         "Permission denied"},
        {"missing folder", Call::none, 0, 0, false, "nowhere/castle.vxm", "nowhere/castle.htm",
         "No such file or directory"},
        {"under a regular file", Call::none, 0, 0, false, "old.htm/castle.vxm",
         "old.htm/castle.htm", "Not a directory"},
        {"folder as target", Call::none, 0, 0, false, "folder.vxm", "folder.htm", "Is a directory"},
        {"a name too long", Call::none, 0, 0, false, "", "", "File name too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / "castle.htm", kOldReadme);
        WriteBytes(dir / "old.htm", kOldReadme);
        std::filesystem::create_directory(dir / "folder.htm");
        const auto before = dir.names();

        ReadmeRecord record = FullRecord();
        if (c.bigRecord)
            record.mapNotes = bigNotes;
        const std::string longStem(300, 'x');
        const bool tooLong = *c.levelName == '\0';
        record.fileName = tooLong ? dir / (longStem + ".vxm") : dir / c.levelName;
        const std::string fullPath = tooLong ? dir / (longStem + ".htm") : dir / c.readmeName;
        const std::string expected =
            *c.reason == '\0' ? "Disk full while accessing " + fullPath + "."
                              : "Could not write the file " + fullPath + ".\n" + c.reason + ".";

        FileCallsGuard restore;
        Inject(c.call, c.failingCall, c.error);
        try {
            CreateReadmeFile(record);
            ADD_FAILURE() << "no failure reported";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.what(), expected);
            EXPECT_EQ(e.m_strFileName, fullPath);
        }
        EXPECT_EQ(dir.names(), before);
        EXPECT_TRUE(ReadBytes(dir / "castle.htm") == kOldReadme) << "the older readme changed";
    }
}

TEST(CreateReadmeFile, RefusesATargetThatIsNotARegularFile)
{
    TempDir dir;
    ReadmeRecord record;
    record.fileName = dir / "pipe.vxm";
    ASSERT_EQ(::mkfifo((dir / "pipe.htm").c_str(), 0600), 0);
    try {
        CreateReadmeFile(record);
        ADD_FAILURE() << "no failure reported";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.what(), "Could not write the file " + (dir / "pipe.htm") +
                                ".\nIt is not a regular file.");
    }
    EXPECT_EQ(dir.names(), std::vector<std::string>{"pipe.htm"});
}
