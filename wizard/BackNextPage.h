// A wizard page in the middle of the road: Back and Next are enabled when it is shown.
#pragma once

#include "PropertyPage.h"

class CBackNextPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;
    bool OnSetActive() override;
};
