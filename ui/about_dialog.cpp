#include "ui/about_dialog.h"

#include "ui/res/resource.h"

// No parent: the framework makes the application's main window the owner.
CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

CAboutDialog::~CAboutDialog() = default;

const MessageMap* CAboutDialog::GetMessageMap() const {
  static const MessageMap map{&CDialog::messageMap};
  return &map;
}

void CAboutDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
}
