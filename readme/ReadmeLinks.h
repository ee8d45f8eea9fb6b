// The mail and web links at the foot of the readme.
#pragma once

#include "CString.h"

#include <optional>

// True for an answer that means "no answer": the word None in any case, with an optional final
// period, blanks around it ignored.
bool IsNoneAnswer(const CString& value);

// The text percent-encoded for a mailto: link: every byte but letters, digits and
// - . _ ~ ! $ ' ( ) * + , ; : @ becomes %XX.
CString EncodeMailtoPart(const CString& text);

// The web address as the link shows it: given "http://" in front unless it already names a
// scheme ("https://", "ftp://", ...) or holds "http://" anywhere.
CString WebLinkText(const CString& webUrl);

// The link text made safe inside a double-quoted attribute: " < > and space become %XX.
CString EncodeHrefAttribute(const CString& url);
