// The failure of a readme file: which file, and why, in a text fit for a message box.
#pragma once

#include "CString.h"

#include <stdexcept>

class CFileException : public std::runtime_error {
public:
    enum Cause { diskFull, generic };

    // `error` is the errno value that made the file fail.
    CFileException(const CString& fileName, int error);
    // A failure with no errno behind it, such as a target that is not a regular file.
    CFileException(const CString& fileName, const CString& reason);

    Cause m_cause;
    CString m_strFileName;
};
