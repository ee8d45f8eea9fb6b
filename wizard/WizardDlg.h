// The six-page readme wizard.
#pragma once

#include "ConstructDlg.h"
#include "CopyInfoDlg.h"
#include "GenInfo.h"
#include "InstallInfo.h"
#include "NotesDlg.h"
#include "PlayInfo.h"
#include "PropertySheet.h"

class CWizardDlg : public CPropertySheet {
public:
    CWizardDlg(const CString& caption, CWnd* parent = nullptr, unsigned startPage = 0);

    CGenInfo m_genInfo;
    CPlayInfo m_playInfo;
    CInstallInfo m_installInfo;
    CConstructDlg m_constructDlg;
    CNotesDlg m_notesDlg;
    CCopyInfoDlg m_copyInfoDlg;
};
