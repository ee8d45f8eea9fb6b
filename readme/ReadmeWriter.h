// The readme document: a fixed HTML page around the values of one ReadmeRecord.
#pragma once

#include "ReadmeRecord.h"

#include <string_view>

// Where the document goes: each call appends one piece of text.
class ReadmeOutput {
public:
    virtual ~ReadmeOutput() = default;
    virtual void write(std::string_view text) = 0;
};

extern const char kGeneratorCredit[];
extern const char kContactEmailLine[];
extern const char kTrademarkNotice[];

// Writes the whole document, values as typed, line breaks as bare line feeds. A failing write
// ends the document by its own exception.
void WriteReadmeHtml(ReadmeOutput& out, const ReadmeRecord& record);
