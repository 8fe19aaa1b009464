// The control wrappers on the real controls of a running dialog.

#include <string>

#include "test_dialog.h"

namespace {

TEST_F(DialogTest, ListGetItemTextReturnsWholeTextsOfAnyLength) {
  const std::string longName(1000, 'n');
  const std::string longer(5000, 'x');
  CTestDialog dialog;
  SetDialogScript(IDD_TEST, [&](CDialog&) {
    CListCtrl& list = dialog.m_list;
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 94, 0);
    list.InsertColumn(1, "IP", LVCFMT_LEFT, 81, 1);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_STATE, 0, "", 0, 0, 0, 0), 0);
    EXPECT_EQ(list.InsertItem(1, "second"), 1);
    list.SetItemText(0, 0, longName.c_str());
    list.SetItemText(0, 1, "192.168.0.1");
    list.SetItemText(1, 1, longer.c_str());

    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(0, 0).str(), longName);
    EXPECT_EQ(list.GetItemText(0, 1).str(), "192.168.0.1");
    EXPECT_EQ(list.GetItemText(1, 0).str(), "second");
    EXPECT_EQ(list.GetItemText(1, 1).str(), longer);
    EXPECT_EQ(list.GetItemText(7, 0).str(), "") << "no such row";

    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), 0u);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
    EXPECT_EQ(list.GetTopIndex(), 0);

    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
    dialog.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DialogTest, IpAddressFieldsCountWhatIsFilledIn) {
  CTestDialog dialog;
  SetDialogScript(IDD_TEST, [&](CDialog&) {
    CIPAddressCtrl& address = dialog.m_address;
    EXPECT_TRUE(address.IsBlank());
    BYTE a = 9, b = 9, c = 9, d = 9;
    EXPECT_EQ(address.GetAddress(a, b, c, d), 0);

    address.SetAddress(0xC0A80A01);  // highest byte first
    EXPECT_FALSE(address.IsBlank());
    EXPECT_EQ(address.GetAddress(a, b, c, d), 4);
    EXPECT_EQ((std::vector<int>{a, b, c, d}), (std::vector<int>{192, 168, 10, 1}));

    address.ClearAddress();
    EXPECT_TRUE(address.IsBlank());
    dialog.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DialogTest, ComboSelectionAndTexts) {
  CTestDialog dialog;
  SetDialogScript(IDD_TEST, [&](CDialog&) {
    CComboBox& combo = dialog.m_choiceCombo;
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.AddString("Z:"), 0);
    EXPECT_EQ(combo.AddString("E:"), 0) << "sorted";
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.GetLBText(combo.GetCurSel()), "Z:");
    EXPECT_EQ(combo.GetLBText(5), "");
    dialog.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DialogTest, SystemMenuGetsAppendedItems) {
  CDialog dialog(IDD_PLAIN);
  SetDialogScript(IDD_PLAIN, [&](CDialog& live) {
    CMenu* menu = live.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(live.GetSystemMenu(FALSE), menu);
    int before = menu->GetMenuItemCount();
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, 0x10, "About Test(&A)...");
    EXPECT_EQ(menu->GetMenuItemCount(), before + 2);
    char text[64] = "";
    ::GetMenuStringA(menu->m_hMenu, 0x10, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "About Test(&A)...");
    live.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
