#include "test_dialog.h"

#include <cstdio>
#include <cstdlib>

const MessageMap* CTestDialog::GetMessageMap() const {
  static const MessageMapEntry entries[] = {
      MapCommand(BN_CLICKED, IDC_CLOSE_BUTTON, &CTestDialog::OnCloseButton),
      MapMessage(WM_CLOSE, &CTestDialog::OnClose),
  };
  static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
  return &map;
}

void CTestDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_NAME, m_nameEdit);
  DDX_Control(pDX, IDC_CHOICE, m_choiceCombo);
  DDX_Control(pDX, IDC_LIST, m_list);
  DDX_Control(pDX, IDC_ADDRESS, m_address);
  DDX_Text(pDX, IDC_NAME, m_name);
  DDV_MaxChars(pDX, m_name, 16);
  DDX_Text(pDX, IDC_PASSWORD, m_password);
  DDV_MaxChars(pDX, m_password, 16);
}

void CTestDialog::OnCancel() {
  calls.push_back("OnCancel");
  CDialog::OnCancel();
}

// Like an Exit button: the window goes away without an end code.
void CTestDialog::OnCloseButton() {
  calls.push_back("OnCloseButton");
  DestroyWindow();
}

void CTestDialog::OnClose() {
  calls.push_back("OnClose");
  Default();
}

Watchdog::Watchdog(const char* testName, std::chrono::seconds limit)
    : m_thread([this, name = std::string(testName), limit] {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_finished.wait_for(lock, limit, [this] { return m_done; })) {
          std::fprintf(stderr, "%s did not finish within %d s: a dialog was left running\n",
                       name.c_str(), static_cast<int>(limit.count()));
          std::fflush(stderr);
          std::_Exit(1);
        }
      }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_done = true;
  }
  m_finished.notify_one();
  m_thread.join();
}

void DialogTest::SetUp() {
  m_watchdog = std::make_unique<Watchdog>(
      ::testing::UnitTest::GetInstance()->current_test_info()->name(), std::chrono::seconds(60));
  SetMessageBoxObserver([this](HWND owner, const char* text, const char* caption, UINT type) {
    boxes.push_back({owner, text, caption, type});
    return IDOK;
  });
}

void DialogTest::TearDown() {
  SetMessageBoxObserver(nullptr);
  ClearDialogScripts();
  ClearIdleActions();
  m_watchdog.reset();
}
