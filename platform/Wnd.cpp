#include "Wnd.h"

#include "Controls.h"
#include "DataExchange.h"
#include "DialogTemplate.h"
#include "FileException.h"
#include "Help.h"
#include "MessageBox.h"
#include "Resources.h"
#include "WinApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

#include <new>

bool CWnd::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

int CWnd::MessageBox(const CString& text, const CString& caption, unsigned flags)
{
    QWidget* owner = m_window ? m_window->window() : QApplication::activeModalWidget();
    return ShowMessageBox(owner, {text, caption, flags});
}

void CWnd::SetDlgItemText(int id, const CString& text)
{
    SetControlText(GetDlgItem(id), text);
}

QWidget* CWnd::GetDlgItem(int id) const
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

unsigned CWnd::HelpContext() const
{
    return kHelpContextBase + static_cast<unsigned>(m_templateId);
}

void CWnd::Dispatch(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const CFileException& e) {
        MessageBox(e.what(), AfxGetAppName(), MB_ICONSTOP);
    } catch (const std::bad_alloc&) {
        MessageBox("Out of memory.", AfxGetAppName(), MB_ICONEXCLAMATION);
    } catch (const std::exception& e) {
        MessageBox(e.what(), AfxGetAppName(), MB_ICONSTOP);
    }
}

void CWnd::OnCommand(Notification code, int id)
{
    for (const Binding& binding : m_bindings)
        if (binding.code == code && binding.id == id)
            Dispatch(binding.handler);
}

namespace {
constexpr char kWindowObject[] = "CWnd";
}

CWnd* CWnd::FromHandle(QWidget* window)
{
    return window ? reinterpret_cast<CWnd*>(window->property(kWindowObject).value<quintptr>())
                  : nullptr;
}

void CWnd::AttachWindow(QWidget* window)
{
    m_window = window;
    window->setProperty(kWindowObject, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
}

void CWnd::CreateWindowFromTemplate(QWidget* window, const DialogTemplate& dialog)
{
    AttachWindow(window);
    window->setFont(DialogFont(dialog));
    m_controls = CreateControls(window, dialog, MeasureBaseUnits(window->font()));
    for (const auto& [id, widget] : m_controls)
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QObject::connect(button, &QAbstractButton::clicked, window,
                             [this, id = id] { OnCommand(BN_CLICKED, id); });
}

void CWnd::DetachWindow()
{
    if (m_window)
        m_window->setProperty(kWindowObject, QVariant());
    m_window = nullptr;
    m_controls.clear();
}

void CWnd::FocusFirstControl()
{
    if (!m_window)
        return;
    QWidget* first = m_window->nextInFocusChain();
    for (QWidget* w = first; w && w != m_window; w = w->nextInFocusChain()) {
        if (m_window->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
        if (w->nextInFocusChain() == first)
            break;
    }
}
