// The mail and web links at the foot of the readme: encoding, scheme, and 'None' answers.
#include "ReadmeWriter.h"

#include <gtest/gtest.h>

namespace {

class StringOutput : public ReadmeOutput {
public:
    void write(std::string_view text) override { bytes.append(text); }
    std::string bytes;
};

std::string Document(const ReadmeRecord& record)
{
    StringOutput out;
    WriteReadmeHtml(out, record);
    return out.bytes;
}

// What stands between the end of the table and the trademark notice.
std::string LinksOf(const ReadmeRecord& record)
{
    const std::string doc = Document(record);
    const std::string tableEnd = "\n</TABLE>\n";
    const auto from = doc.find(tableEnd) + tableEnd.size();
    return doc.substr(from, doc.find("<i>Vexmoor Arena") - from);
}

} // namespace

TEST(ReadmeLinks, EncodesHrefsAndKeepsVisibleTextsRaw)
{
    const struct {
        const char* email;
        const char* title;
        const char* webUrl;
        const char* links;
    } cases[] = {
        {"me@example.org", "Castle", "",
         "\n<A HREF=\"mailto:me@example.org?subject=Castle\">me@example.org</A>\n<BR>"},
        {"me@example.org", "Tom & Jerry \"II\"", "example.org",
         "\n<A HREF=\"mailto:me@example.org?subject=Tom%20%26%20Jerry%20%22II%22\">me@example.org"
         "</A>\n<BR>\n<A HREF=\"http://example.org\" "
         "TARGET=\"_blank\">http://example.org</A><BR>\n"},
        {"a b<c>@x.org", "-._~!$'()*+,;:@/?#=%\xC3\xA9", "",
         "\n<A HREF=\"mailto:a%20b%3Cc%3E@x.org?subject=-._~!$'()*+,;:@%2F%3F%23%3D%25%C3%A9\">"
         "a b<c>@x.org</A>\n<BR>"},
        {"", "", "", "\n<A HREF=\"mailto:?subject=\"></A>\n<BR>"},
        {"None", "T", "None", ""},
        {"  none. ", "T", "NONE", ""},
        {"me@x.org", "T", "\tNone.", "\n<A HREF=\"mailto:me@x.org?subject=T\">me@x.org</A>\n<BR>"},
        {"Nonesuch", "T", "None..",
         "\n<A HREF=\"mailto:Nonesuch?subject=T\">Nonesuch</A>\n<BR>\n<A HREF=\"http://None..\" "
         "TARGET=\"_blank\">http://None..</A><BR>\n"},
    };
    for (const auto& c : cases) {
        ReadmeRecord record;
        record.email = c.email;
        record.title = c.title;
        record.webUrl = c.webUrl;
        EXPECT_EQ(LinksOf(record), c.links) << c.email << " | " << c.title << " | " << c.webUrl;
    }
}

TEST(ReadmeLinks, WebAddressGetsHttpOnlyWithoutAScheme)
{
    const struct {
        const char* webUrl;
        const char* href;
        const char* text;
    } cases[] = {
        {"example.org", "http://example.org", "http://example.org"},
        {"http://example.org", "http://example.org", "http://example.org"},
        {"https://example.org", "https://example.org", "https://example.org"},
        {"HTTP://EXAMPLE.ORG", "HTTP://EXAMPLE.ORG", "HTTP://EXAMPLE.ORG"},
        {"ftp://ftp.example.com/x", "ftp://ftp.example.com/x", "ftp://ftp.example.com/x"},
        {"svn+ssh://h/p", "svn+ssh://h/p", "svn+ssh://h/p"},
        {"see http://example.org", "see%20http://example.org", "see http://example.org"},
        {"1http://x", "1http://x", "1http://x"},
        {"www.example.org:8080", "http://www.example.org:8080", "http://www.example.org:8080"},
        {"x.org/a b\"<c>", "http://x.org/a%20b%22%3Cc%3E", "http://x.org/a b\"<c>"},
        {"9x://y", "http://9x://y", "http://9x://y"},
    };
    for (const auto& c : cases) {
        ReadmeRecord record;
        record.email = "None";
        record.webUrl = c.webUrl;
        EXPECT_EQ(LinksOf(record), std::string("\n<A HREF=\"") + c.href + "\" TARGET=\"_blank\">" +
                                       c.text + "</A><BR>\n")
            << c.webUrl;
    }
}

TEST(ReadmeLinks, NoneAnswersStillShowInTheTable)
{
    ReadmeRecord record;
    record.email = "None.";
    const std::string doc = Document(record);
    EXPECT_NE(doc.find("E-mail</TD>\n<TD ALIGN=\"left\" VALIGN=\"center\">None.</TD></TR>\n"),
              std::string::npos);
    EXPECT_EQ(doc.find("mailto:"), std::string::npos);
}
