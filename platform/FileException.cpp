#include "FileException.h"

#include <cerrno>
#include <cstring>

namespace {

bool IsDiskFull(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

CString CannotWriteText(const CString& fileName, const CString& reason)
{
    return "Could not write the file " + fileName + ".\n" + reason + ".";
}

CString TextFor(const CString& fileName, int error)
{
    if (IsDiskFull(error))
        return "Disk full while accessing " + fileName + ".";
    return CannotWriteText(fileName, std::strerror(error));
}

} // namespace

CFileException::CFileException(const CString& fileName, int error)
    : std::runtime_error(TextFor(fileName, error)), m_cause(IsDiskFull(error) ? diskFull : generic),
      m_strFileName(fileName)
{
}

CFileException::CFileException(const CString& fileName, const CString& reason)
    : std::runtime_error(CannotWriteText(fileName, reason)), m_cause(generic),
      m_strFileName(fileName)
{
}
