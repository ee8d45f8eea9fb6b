#include "ReadmeFile.h"

#include "ReadmeWriter.h"
#include "StdioFile.h"

namespace {

class FileOutput : public ReadmeOutput {
public:
    explicit FileOutput(CStdioFile& file) : m_file(file) {}
    void write(std::string_view text) override { m_file.WriteString(text); }

private:
    CStdioFile& m_file;
};

constexpr char kLevelExtension[] = ".vxm";
constexpr char kReadmeExtension[] = ".htm";

std::size_t FileNameStart(const CString& path)
{
    const auto slash = path.rfind('/');
    return slash == CString::npos ? 0 : slash + 1;
}

} // namespace

bool HasLevelExtension(const CString& levelFileName)
{
    return levelFileName.find(kLevelExtension, FileNameStart(levelFileName)) != CString::npos;
}

CString MakeReadmeFileName(const CString& levelFileName)
{
    constexpr std::size_t kLength = sizeof kLevelExtension - 1;
    CString name = levelFileName;
    std::size_t at = FileNameStart(name);
    while ((at = name.find(kLevelExtension, at)) != CString::npos) {
        name.replace(at, kLength, kReadmeExtension);
        at += kLength;
    }
    return name;
}

CString CreateReadmeFile(const ReadmeRecord& record)
{
    CStdioFile file;
    file.Open(MakeReadmeFileName(record.fileName));
    FileOutput out(file);
    WriteReadmeHtml(out, record);
    file.Close();
    return file.GetFilePath();
}
