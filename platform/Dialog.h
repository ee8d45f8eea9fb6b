// Modal dialogs built from a template.
#pragma once

#include "Icon.h"
#include "Wnd.h"

class QMenu;

// The window's system menu. X11 window managers let no program add to their own menu, so the
// layer shows this one as the dialog's context menu.
class CMenu {
public:
    explicit CMenu(QMenu* menu) : m_menu(menu) {}
    void AppendMenu(unsigned flags, unsigned id = 0, const CString& text = {});

private:
    QMenu* m_menu;
};

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);

    // Shows the dialog modally and returns the id it ended with.
    virtual int DoModal();
    void EndDialog(int result);

    CMenu* GetSystemMenu();
    void SetIcon(HICON icon);

    // Runs a system-menu command: SC_CLOSE closes, like the close box; the rest is ignored.
    virtual void OnSysCommand(unsigned id);

    void OnCommand(Notification code, int id) override;

    // Escape, the close box and Close on the system menu all come here.
    virtual void OnCancel();

protected:
    virtual bool OnInitDialog();
    virtual void OnOK();

private:
    QMenu* CreateSystemMenu(QWidget* dialog);

    CWnd* m_parent;
    QMenu* m_systemMenu = nullptr;
    CMenu m_systemMenuObject{nullptr};
};
