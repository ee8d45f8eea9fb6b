#include "AboutDlg.h"

#include "ResourceIds.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
