#pragma once
// The About box: the program's icon, the product line and the version; it only closes.

#include "framework.h"

class CAboutDialog : public CDialog {
 public:
  CAboutDialog();
  ~CAboutDialog() override;

  const MessageMap* GetMessageMap() const override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
