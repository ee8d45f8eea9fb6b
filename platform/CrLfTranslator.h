// Line ends for the readme on disk: every line break becomes exactly CR LF.
#pragma once

#include <string>
#include <string_view>

// Turns each line feed that does not follow a carriage return into CR LF, across the pieces of
// one stream: a piece that ends in CR and one that starts with LF make one CR LF. A lone CR and
// an existing CR LF stay as they are.
class CrLfTranslator {
public:
    void Append(std::string_view piece, std::string& out);

private:
    bool m_lastWasCarriageReturn = false;
};
