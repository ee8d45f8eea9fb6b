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

} // namespace

CString MakeReadmeFileName(const CString& levelFileName)
{
    static constexpr char kLevelExtension[] = ".vxm";
    static constexpr char kReadmeExtension[] = ".htm";
    static constexpr std::size_t kLength = sizeof kLevelExtension - 1;

    CString name = levelFileName;
    const auto slash = name.rfind('/');
    std::size_t at = slash == CString::npos ? 0 : slash + 1;
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
