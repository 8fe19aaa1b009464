#pragma once
// What CDialog::DoModal calls of the UI seam.

class CDialog;

// Runs the script installed for the dialog's template, if any.
void RunDialogScript(CDialog& dialog);
// Runs the oldest queued idle action; false when none was queued.
bool RunNextIdleAction();
