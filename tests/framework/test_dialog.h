#pragma once
// The dialogs and the fixture that the framework tests run: real Win32 dialogs from this
// directory's .rc, driven through the UI seam.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "framework.h"
#include "test_resources.h"

// IDD_TEST with bound controls, two exchanged texts limited to 16 characters, and handlers
// that record what ran.
class CTestDialog : public CDialog {
 public:
  CTestDialog() : CDialog(IDD_TEST) {}

  CEdit m_nameEdit;
  CComboBox m_choiceCombo;
  CListCtrl m_list;
  CIPAddressCtrl m_address;
  CString m_name;
  CString m_password;
  std::vector<std::string> calls;

  const MessageMap* GetMessageMap() const override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCancel() override;

 private:
  void OnCloseButton();
  void OnClose();
};

struct RecordedBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

// Ends the test program with a message when a test has not finished in time: a dialog that a
// fault leaves open would otherwise wait for input forever.
class Watchdog {
 public:
  Watchdog(const char* testName, std::chrono::seconds limit);
  ~Watchdog();

 private:
  std::mutex m_mutex;
  std::condition_variable m_finished;
  bool m_done = false;
  std::thread m_thread;
};

// A fresh application object per test; message boxes are recorded and answered IDOK; scripts
// and idle actions never outlive the test.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CWinApp app;
  std::vector<RecordedBox> boxes;

 private:
  std::unique_ptr<Watchdog> m_watchdog;
};
