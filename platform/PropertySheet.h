// A wizard: pages shown one at a time with Back, Next or Finish, Cancel and Help.
#pragma once

#include "Wnd.h"

#include <vector>

class CPropertyPage;
class QPushButton;
class QStackedWidget;

class CPropertySheet : public CWnd {
public:
    CPropertySheet(const CString& caption, CWnd* parent = nullptr, unsigned startPage = 0);

    void AddPage(CPropertyPage* page);
    void SetWizardMode() { m_wizardMode = true; }

    // Shows the wizard modally; ID_WIZFINISH after Finish, IDCANCEL after Cancel or the close box.
    int DoModal();

    // Asks for the enabled buttons (PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH). The request is
    // posted: the buttons change when the event loop next turns.
    void SetWizardButtons(unsigned flags);

    int GetActiveIndex() const { return m_active; }
    unsigned HelpContext() const override;

private:
    void Build(QWidget* dialog);
    void ApplyWizardButtons(unsigned flags);
    void Activate(int index);
    void Back();
    void Next();
    void Finish();
    void Cancel();
    void EndWizard(int result);

    CString m_caption;
    CWnd* m_parent;
    unsigned m_startPage;
    bool m_wizardMode = false;
    std::vector<CPropertyPage*> m_pages;
    int m_active = -1;

    QStackedWidget* m_stack = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
};
