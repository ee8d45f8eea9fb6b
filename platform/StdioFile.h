// A text-mode output file that replaces its target only once every byte is safely on disk.
#pragma once

#include "CString.h"
#include "CrLfTranslator.h"

#include <string>
#include <string_view>

// Every line feed written reaches the disk as carriage return + line feed; one that already
// follows a carriage return is left alone, even across writes. The text goes to a temporary
// file beside the target, which takes the target's place only when the writes, the flush, fsync
// and close have all succeeded. Any failure throws CFileException naming the full path, removes
// the temporary and leaves an existing target as it was.
class CStdioFile {
public:
    CStdioFile() = default;
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;
    ~CStdioFile();

    void Open(const CString& fileName);
    void WriteString(std::string_view text);
    void Close();

    // The full path resolved at opening; still valid after Close.
    const CString& GetFilePath() const { return m_strFileName; }

private:
    void CheckTarget();
    void CreateTemporary();
    void Flush();
    [[noreturn]] void Fail(int error);
    void Abandon();

    CString m_strFileName;
    std::string m_target; // the file the rename replaces: links followed
    std::string m_temporary;
    unsigned m_mode = 0;
    int m_fd = -1;
    std::string m_buffer;
    CrLfTranslator m_lineEnds;
};
