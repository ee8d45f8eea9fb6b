#include "ReadmeLinks.h"

#include <cctype>
#include <cstring>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kBlanks[] = " \t";

bool IsAsciiLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsAsciiDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

void AppendPercentEncoded(CString& out, unsigned char c)
{
    out += '%';
    out += kHexDigits[c >> 4];
    out += kHexDigits[c & 0xF];
}

bool StartsWithScheme(const CString& url)
{
    if (url.empty() || !IsAsciiLetter(url[0]))
        return false;
    std::size_t i = 1;
    while (i < url.size()) {
        const unsigned char c = url[i];
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '+' && c != '-' && c != '.')
            break;
        ++i;
    }
    return url.compare(i, 3, "://") == 0;
}

} // namespace

bool IsNoneAnswer(const CString& value)
{
    const auto first = value.find_first_not_of(kBlanks);
    if (first == CString::npos)
        return false;
    CString word = value.substr(first, value.find_last_not_of(kBlanks) - first + 1);
    if (!word.empty() && word.back() == '.')
        word.pop_back();
    if (word.size() != 4)
        return false;
    for (auto& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "none";
}

CString EncodeMailtoPart(const CString& text)
{
    static constexpr char kUnreserved[] = "-._~!$'()*+,;:@";
    CString out;
    out.reserve(text.size());
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (IsAsciiLetter(c) || IsAsciiDigit(c) || (c != 0 && std::strchr(kUnreserved, c)))
            out += ch;
        else
            AppendPercentEncoded(out, c);
    }
    return out;
}

CString WebLinkText(const CString& webUrl)
{
    if (StartsWithScheme(webUrl) || webUrl.find("http://") != CString::npos)
        return webUrl;
    return "http://" + webUrl;
}

CString EncodeHrefAttribute(const CString& url)
{
    CString out;
    out.reserve(url.size());
    for (const char ch : url) {
        if (ch == '"' || ch == '<' || ch == '>' || ch == ' ')
            AppendPercentEncoded(out, static_cast<unsigned char>(ch));
        else
            out += ch;
    }
    return out;
}
