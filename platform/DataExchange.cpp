#include "DataExchange.h"

#include "MultiLineEdit.h"
#include "Wnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <stdexcept>

namespace {

QWidget* Control(CDataExchange* pDX, int id)
{
    QWidget* control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (!control)
        throw std::logic_error("data exchange with control " + std::to_string(id) +
                               ", which this window does not have");
    return control;
}

CString ControlText(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text().toStdString();
    if (auto* edit = qobject_cast<MultiLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText().toStdString();
    throw std::logic_error("text exchange with a control that holds no text");
}

void SetComboText(QComboBox* combo, const CString& text)
{
    const QString shown = QString::fromStdString(text);
    const int entry = combo->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(entry);
    if (entry < 0)
        combo->setEditText(shown);
}

} // namespace

void SetControlText(QWidget* control, const CString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(QString::fromStdString(text));
    else if (auto* edit = qobject_cast<MultiLineEdit*>(control))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        SetComboText(combo, text);
    else
        throw std::logic_error("text put into a control that holds no text");
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    QWidget* control = Control(pDX, id);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(control);
    else
        SetControlText(control, value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    auto* box = qobject_cast<QCheckBox*>(Control(pDX, id));
    if (pDX->m_bSaveAndValidate)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value == 1);
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value)
{
    DDX_Text(pDX, id, value);
}

void DDX_Control(CDataExchange* pDX, int id, CEdit& control)
{
    Control(pDX, id);
    control.m_owner = pDX->m_pDlgWnd;
    control.m_id = id;
}
