#include "ConfirmBlank.h"

#include "WizardTexts.h"
#include "Wnd.h"

bool ConfirmBlank(CWnd& page, const char* question)
{
    return page.MessageBox(question, kErrorCaption, MB_ICONEXCLAMATION | MB_YESNO) == IDYES;
}
