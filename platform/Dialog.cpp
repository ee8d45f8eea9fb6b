#include "Dialog.h"

#include "Controls.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "Help.h"
#include "IconHandle.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>

#include <stdexcept>

namespace {

// The dialog window: hands Escape, the close box and the context menu to its CDialog.
class LayerDialog : public QDialog {
public:
    LayerDialog(CDialog& owner, QWidget* parent) : QDialog(parent), m_owner(owner)
    {
        SetDialogFrame(this);
    }

    void reject() override
    {
        m_owner.Dispatch([this] { m_owner.OnCancel(); });
    }

    QMenu* systemMenu = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (systemMenu)
            systemMenu->exec(event->globalPos());
    }

private:
    CDialog& m_owner;
};

} // namespace

void CMenu::AppendMenu(unsigned flags, unsigned id, const CString& text)
{
    if (flags & MF_SEPARATOR) {
        m_menu->addSeparator();
        return;
    }
    QAction* action = m_menu->addAction(QString::fromStdString(text));
    action->setData(id);
}

CDialog::CDialog(int templateId, CWnd* parent) : CWnd(templateId), m_parent(parent) {}

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (!dialogTemplate)
        throw std::logic_error("no dialog template " + std::to_string(m_templateId));

    LayerDialog dialog(*this, OwnerWindow(m_parent));
    CreateWindowFromTemplate(&dialog, *dialogTemplate);
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate->caption));
    const BaseUnits base = MeasureBaseUnits(dialog.font());
    dialog.setFixedSize(MapDialogRect(0, 0, dialogTemplate->cx, dialogTemplate->cy, base).size());
    InstallHelpKey(&dialog, [this] { return HelpContext(); });

    if (dialogTemplate->style & WS_SYSMENU)
        dialog.systemMenu = CreateSystemMenu(&dialog);

    bool setFocus = true;
    Dispatch([&] { setFocus = OnInitDialog(); });
    if (setFocus)
        FocusFirstControl();
    const int result = dialog.exec();
    m_systemMenu = nullptr;
    DetachWindow();
    return result;
}

QMenu* CDialog::CreateSystemMenu(QWidget* dialog)
{
    m_systemMenu = new QMenu(dialog);
    m_systemMenuObject = CMenu(m_systemMenu);
    m_systemMenu->addAction(QObject::tr("&Close"))->setData(SC_CLOSE);
    QObject::connect(m_systemMenu, &QMenu::triggered, dialog, [this](QAction* action) {
        Dispatch([this, id = action->data().toUInt()] { OnSysCommand(id); });
    });
    return m_systemMenu;
}

void CDialog::EndDialog(int result)
{
    if (auto* dialog = qobject_cast<QDialog*>(m_window))
        dialog->done(result);
}

CMenu* CDialog::GetSystemMenu()
{
    return m_systemMenu ? &m_systemMenuObject : nullptr;
}

void CDialog::SetIcon(HICON icon)
{
    if (m_window && icon)
        m_window->setWindowIcon(icon->icon);
}

void CDialog::OnSysCommand(unsigned id)
{
    if ((id & 0xFFF0) == SC_CLOSE)
        OnCancel();
}

void CDialog::OnCommand(Notification code, int id)
{
    if (code == BN_CLICKED && id == IDOK)
        Dispatch([this] { OnOK(); });
    else if (code == BN_CLICKED && id == IDCANCEL)
        Dispatch([this] { OnCancel(); });
    else
        CWnd::OnCommand(code, id);
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
