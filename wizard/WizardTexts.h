// Texts the wizard pages share.
#pragma once

constexpr char kErrorCaption[] = "Error!";
constexpr char kNotSpecified[] = "Not Specified";
constexpr char kToolCaption[] = "Cairnwright Readme Tool";
