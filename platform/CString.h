// The system's text type: a byte string, UTF-8 on this platform.
#pragma once

#include <string>

using CString = std::string;
