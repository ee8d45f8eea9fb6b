#include "CrLfTranslator.h"

void CrLfTranslator::Append(std::string_view piece, std::string& out)
{
    std::size_t start = 0;
    for (std::size_t lf = piece.find('\n'); lf != std::string_view::npos;
         lf = piece.find('\n', lf + 1)) {
        const bool followsCarriageReturn = lf > 0 ? piece[lf - 1] == '\r' : m_lastWasCarriageReturn;
        out.append(piece.substr(start, lf - start));
        if (!followsCarriageReturn)
            out.push_back('\r');
        start = lf;
    }
    out.append(piece.substr(start));
    if (!piece.empty())
        m_lastWasCarriageReturn = piece.back() == '\r';
}
