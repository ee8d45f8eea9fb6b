// One page of a wizard sheet, built from its template when it is first shown.
#pragma once

#include "Wnd.h"

class CPropertySheet;

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(int templateId) : CWnd(templateId) {}

    // Runs each time the page is shown; after the first time it moves the fields into the
    // controls. The page sets its wizard buttons here.
    virtual bool OnSetActive();
    // Runs when the page is left by Next or Back: reads the controls into the fields.
    virtual bool OnKillActive();
    // Next: true moves on, false stays on the page.
    virtual bool OnWizardNext() { return true; }
    // Finish: true closes the wizard, false stays on the page.
    virtual bool OnWizardFinish() { return true; }

    CPropertySheet* GetParentSheet() const { return m_sheet; }

    // Used by the sheet.
    void Create(CPropertySheet* sheet, QWidget* parent);
    void Destroy();
    bool IsCreated() const { return m_window != nullptr; }

protected:
    virtual bool OnInitDialog();

private:
    CPropertySheet* m_sheet = nullptr;
    bool m_firstSetActive = true;
};
