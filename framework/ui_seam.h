#pragma once
// The seam between the program's user interface and its tests. Every message box goes through
// ShowMessageBox and every modal dialog through CDialog::DoModal; tests install an observer
// that answers the boxes, and scripts that drive the real dialogs once they have initialised.

#include <functional>

#include "win32_headers.h"

class CDialog;

// Shows a message box owned by `owner`, or hands it to the installed observer, and returns the
// button pressed (IDOK ...).
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

// Receives what the box would show and returns the answer; no box appears.
using MessageBoxObserver =
    std::function<int(HWND owner, const char* text, const char* caption, UINT type)>;
// Installs `observer` (an empty one restores real boxes); returns the previous one.
MessageBoxObserver SetMessageBoxObserver(MessageBoxObserver observer);

// Runs inside DoModal each time a dialog from `templateId` has initialised and is shown,
// before its modal loop starts. It gets the live dialog and may fill controls, send messages
// (a click: dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0)), queue idle
// actions, or end the dialog. A dialog that the script leaves open runs on as usual.
using DialogScript = std::function<void(CDialog& dialog)>;
// Installs `script` for `templateId` until replaced; an empty script removes it.
void SetDialogScript(UINT templateId, DialogScript script);
void ClearDialogScripts();

// Queues `action` for the innermost running modal loop, which runs it when its message queue
// is empty (pending paints handled). Actions run one at a time, in order; an action that opens
// a modal dialog lets that dialog's loop run the next ones.
void RunWhenIdle(std::function<void()> action);
// Drops queued idle actions that have not run.
void ClearIdleActions();
