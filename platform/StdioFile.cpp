#include "StdioFile.h"

#include "FileCalls.h"
#include "FileException.h"
#include "FilePath.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBufferSize = 256 * 1024;
constexpr std::size_t kMaxTemporaryStem = 200; // leaves room for ".XXXXXX" within NAME_MAX

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string LastComponent(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

unsigned NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const std::string& folder)
{
    // The rename has happened; a folder that cannot be synced leaves it in place all the same.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

CStdioFile::~CStdioFile()
{
    Abandon();
}

void CStdioFile::Open(const CString& fileName)
{
    m_strFileName = MakeFullPath(fileName);
    m_target = FollowLinks(m_strFileName);
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    m_lineEnds = CrLfTranslator();
    CheckTarget();
    CreateTemporary();
}

// Refuses, before anything is written, what opening the target for writing would refuse.
void CStdioFile::CheckTarget()
{
    struct stat status {};
    if (::stat(m_target.c_str(), &status) != 0) {
        if (errno != ENOENT)
            throw CFileException(m_strFileName, errno);
        m_mode = NewFileMode();
        return;
    }
    if (S_ISDIR(status.st_mode))
        throw CFileException(m_strFileName, EISDIR);
    if (!S_ISREG(status.st_mode))
        throw CFileException(m_strFileName, "It is not a regular file");
    const int probe = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (probe < 0)
        throw CFileException(m_strFileName, errno);
    ::close(probe);
    m_mode = status.st_mode & 07777;
}

void CStdioFile::CreateTemporary()
{
    std::string pattern = FolderOf(m_target) + "/." +
                          LastComponent(m_target).substr(0, kMaxTemporaryStem) + ".XXXXXX";
    m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (m_fd < 0)
        throw CFileException(m_strFileName, errno);
    m_temporary = pattern;
    if (::fchmod(m_fd, m_mode) != 0)
        Fail(errno);
}

// A long text goes through the buffer a buffer's worth at a time, so that the buffer stays small
// and the number of writes depends on the bytes alone.
void CStdioFile::WriteString(std::string_view text)
{
    while (!text.empty()) {
        const std::string_view slice = text.substr(0, kBufferSize);
        m_lineEnds.Append(slice, m_buffer);
        text.remove_prefix(slice.size());
        if (m_buffer.size() >= kBufferSize)
            Flush();
    }
}

void CStdioFile::Flush()
{
    const char* data = m_buffer.data();
    std::size_t left = m_buffer.size();
    while (left > 0) {
        const ssize_t written = ActiveFileCalls().write(m_fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    m_buffer.clear();
}

void CStdioFile::Close()
{
    Flush();
    if (ActiveFileCalls().fsync(m_fd) != 0)
        Fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (ActiveFileCalls().close(fd) != 0)
        Fail(errno);
    if (ActiveFileCalls().rename(m_temporary.c_str(), m_target.c_str()) != 0)
        Fail(errno);
    m_temporary.clear();
    SyncFolder(FolderOf(m_target));
}

void CStdioFile::Fail(int error)
{
    Abandon();
    throw CFileException(m_strFileName, error);
}

// Drops an unfinished file: the temporary goes, the target is never touched.
void CStdioFile::Abandon()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}
