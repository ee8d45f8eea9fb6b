// The readme run behind the main dialog's Begin button.
#pragma once

#include "ReadmeRecord.h"

class CWnd;
class CWizardDlg;

// The record of a finished wizard, from its pages' fields.
ReadmeRecord FillReadmeRecord(const CWizardDlg& wizard);

// Shows a fresh wizard; on Finish writes the readme and tells `mainDialog` where it went. A file
// that cannot be written leaves by CFileException, which the main dialog's dispatch reports.
void RunReadmeWizard(CWnd& mainDialog);
