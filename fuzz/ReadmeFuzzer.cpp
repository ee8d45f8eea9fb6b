// Feeds the readme writer and the readme name with arbitrary records and names. The input is the
// record's 23 fields and then a level file name, separated by NUL bytes.
#include "CrLfTranslator.h"
#include "ReadmeFile.h"
#include "ReadmeWriter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr CString ReadmeRecord::*kFields[] = {
    &ReadmeRecord::title,           &ReadmeRecord::author,
    &ReadmeRecord::releaseDate,     &ReadmeRecord::fileName,
    &ReadmeRecord::email,           &ReadmeRecord::webUrl,
    &ReadmeRecord::otherMaps,       &ReadmeRecord::gameType,
    &ReadmeRecord::levelName,       &ReadmeRecord::singlePlayer,
    &ReadmeRecord::deathmatch,      &ReadmeRecord::cooperative,
    &ReadmeRecord::botsSupported,   &ReadmeRecord::darkMatch,
    &ReadmeRecord::difficultySettings, &ReadmeRecord::newGraphicsSounds,
    &ReadmeRecord::installInstructions, &ReadmeRecord::editorsUsed,
    &ReadmeRecord::levelBase,       &ReadmeRecord::constructionTime,
    &ReadmeRecord::mapNotes,        &ReadmeRecord::knownBugs,
    &ReadmeRecord::copyright,
};

// The bytes that would reach the disk: the document with its line ends made CR LF.
class DiskBytes : public ReadmeOutput {
public:
    void write(std::string_view text) override { m_lineEnds.Append(text, bytes); }
    std::string bytes;

private:
    CrLfTranslator m_lineEnds;
};

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool EveryLineFeedFollowsACarriageReturn(const std::string& bytes)
{
    for (std::size_t lf = bytes.find('\n'); lf != std::string::npos; lf = bytes.find('\n', lf + 1))
        if (lf == 0 || bytes[lf - 1] != '\r')
            return false;
    return true;
}

void CheckReadmeName(const std::string& level)
{
    const CString readme = MakeReadmeFileName(level);
    const auto slash = level.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    Require(readme.size() == level.size(), "the readme name keeps the length");
    Require(readme.compare(0, nameStart, level, 0, nameStart) == 0, "the folders stay as typed");
    Require(readme.find(".vxm", nameStart) == CString::npos, "no .vxm is left in the file name");
    Require(HasLevelExtension(level) == (readme != level), "a name changes only with .vxm in it");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ReadmeRecord record;
    std::string level;
    bool inputHasCrCrLf = false;
    std::size_t start = 0;
    for (std::size_t field = 0; start <= input.size(); ++field) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        const std::string_view value = input.substr(start, end - start);
        inputHasCrCrLf = inputHasCrCrLf || value.find("\r\r\n") != std::string_view::npos;
        if (field < std::size(kFields))
            record.*kFields[field] = value;
        else if (field == std::size(kFields))
            level = value;
        start = end + 1;
    }

    DiskBytes out;
    WriteReadmeHtml(out, record);
    const std::string& bytes = out.bytes;
    Require(bytes.size() >= 7 && bytes.compare(bytes.size() - 7, 7, "</HTML>") == 0,
            "the readme ends with </HTML>");
    Require(EveryLineFeedFollowsACarriageReturn(bytes), "every LF follows a CR");
    Require(bytes.find("\r\r\n") == std::string::npos || inputHasCrCrLf,
            "CR CR LF only where the input held it");
    CheckReadmeName(level);
    return 0;
}
