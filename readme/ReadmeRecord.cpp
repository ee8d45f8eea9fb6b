#include "ReadmeRecord.h"

namespace {
constexpr int kChecked = 1;
}

CString YesNoText(int checkValue)
{
    return checkValue == kChecked ? "Yes" : "No";
}

CString NewGraphicsText(int newGraphicsChecked, const CString& newFiles)
{
    return newGraphicsChecked == kChecked ? newFiles : CString();
}
