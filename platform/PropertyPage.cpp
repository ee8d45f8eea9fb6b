#include "PropertyPage.h"

#include "DialogTemplate.h"

#include <QWidget>

#include <stdexcept>

bool CPropertyPage::OnSetActive()
{
    if (m_firstSetActive)
        m_firstSetActive = false;
    else
        UpdateData(false);
    return true;
}

bool CPropertyPage::OnKillActive()
{
    return UpdateData(true);
}

void CPropertyPage::Create(CPropertySheet* sheet, QWidget* parent)
{
    const DialogTemplate* pageTemplate = FindDialogTemplate(m_templateId);
    if (!pageTemplate)
        throw std::logic_error("no page template " + std::to_string(m_templateId));
    m_sheet = sheet;
    auto* page = new QWidget(parent);
    CreateWindowFromTemplate(page, *pageTemplate);
    Dispatch([this] { OnInitDialog(); });
}

void CPropertyPage::Destroy()
{
    DetachWindow();
    m_firstSetActive = true;
}

bool CPropertyPage::OnInitDialog()
{
    UpdateData(false);
    return true;
}
