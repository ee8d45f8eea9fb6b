#include "BackNextPage.h"

#include "PropertySheet.h"

bool CBackNextPage::OnSetActive()
{
    GetParentSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}
