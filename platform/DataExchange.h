// Data exchange between a window's fields and its controls.
#pragma once

#include "CString.h"

class CWnd;
class QWidget;

class CDataExchange {
public:
    CDataExchange(CWnd* window, bool saveAndValidate)
        : m_pDlgWnd(window), m_bSaveAndValidate(saveAndValidate)
    {
    }

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls into fields; false: fields into controls
};

// An edit box as an object of the page; attached by DDX_Control.
class CEdit {
public:
    bool IsAttached() const { return m_owner != nullptr; }

private:
    friend void DDX_Control(CDataExchange* pDX, int id, CEdit& control);
    CWnd* m_owner = nullptr;
    int m_id = 0;
};

// The text of an edit box, line breaks as described by MultiLineEdit.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// A check box: 0 unchecked, 1 checked.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// A drop-down combo's edit field. Writing shows exactly the text, and selects the list entry
// that equals it, if any.
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
void DDX_Control(CDataExchange* pDX, int id, CEdit& control);

// Puts text into a control of any text-holding kind.
void SetControlText(QWidget* control, const CString& text);
