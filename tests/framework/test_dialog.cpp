#include "test_dialog.h"

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

void DialogTest::SetUp() {
    SetMessageBoxObserver([this](HWND owner, const char* text, const char* caption, UINT type) {
        boxes.push_back({owner, text, caption, type});
        return IDOK;
    });
}

void DialogTest::TearDown() {
    SetMessageBoxObserver(nullptr);
    ClearDialogScripts();
    ClearIdleActions();
}
