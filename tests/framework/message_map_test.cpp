// Dispatch through message map chains: order within a table, fall-through to the base, and the
// arguments and answers of each handler signature. No window is needed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework.h"

namespace {

constexpr UINT kButton = 100;
constexpr UINT kCombo = 101;
constexpr UINT kList = 102;
HICON const kDragIcon = reinterpret_cast<HICON>(0x1234);

class CBaseDialog : public CDialog {
 public:
  CBaseDialog() : CDialog(1) {}
  std::vector<std::string> calls;
  const MessageMap* GetMessageMap() const override;

 protected:
  void OnOK() override { calls.push_back("Base::OnOK"); }
  void OnButton() { calls.push_back("Base::OnButton"); }
  void OnComboChange() { calls.push_back("Base::OnComboChange"); }
  void OnPaint() { calls.push_back("Base::OnPaint"); }
};

class CDerivedDialog : public CBaseDialog {
 public:
  const MessageMap* GetMessageMap() const override;
  UINT sysCommand = 0;
  LPARAM sysLparam = 0;
  NMHDR* notifyHeader = nullptr;

 private:
  void OnButton() { calls.push_back("Derived::OnButton"); }
  void OnButtonAgain() { calls.push_back("Derived::OnButtonAgain"); }
  void OnSysCommand(UINT id, LPARAM lParam) {
    sysCommand = id;
    sysLparam = lParam;
  }
  HICON OnQueryDragIcon() { return kDragIcon; }
  void OnClickList(NMHDR* header, LRESULT* result) {
    notifyHeader = header;
    *result = 7;
  }
};

const MessageMap* CBaseDialog::GetMessageMap() const {
  static const MessageMapEntry entries[] = {
      MapCommand(BN_CLICKED, kButton, &CBaseDialog::OnButton),
      MapCommand(CBN_SELCHANGE, kCombo, &CBaseDialog::OnComboChange),
      MapMessage(WM_PAINT, &CBaseDialog::OnPaint),
  };
  static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
  return &map;
}

const MessageMap* CDerivedDialog::GetMessageMap() const {
  static const MessageMapEntry entries[] = {
      MapMessage(WM_SYSCOMMAND, &CDerivedDialog::OnSysCommand),
      MapCommand(BN_CLICKED, kButton, &CDerivedDialog::OnButton),
      MapCommand(BN_CLICKED, kButton, &CDerivedDialog::OnButtonAgain),
      MapMessage(WM_QUERYDRAGICON, &CDerivedDialog::OnQueryDragIcon),
      MapNotify(NM_CLICK, kList, &CDerivedDialog::OnClickList),
  };
  static const MessageMap map = MakeMessageMap(CBaseDialog::GetMessageMap(), entries);
  return &map;
}

struct RoutingCase {
  const char* what;
  UINT message;
  WPARAM wParam;
  const char* expectedCall;  // nullptr: nothing handles it
};

class MessageMapRouting : public ::testing::TestWithParam<RoutingCase> {};

TEST_P(MessageMapRouting, FirstEntryOfTheMostDerivedTableWins) {
  const RoutingCase& c = GetParam();
  CDerivedDialog dialog;
  LRESULT result = 12345;
  bool handled = dialog.DispatchMessageMap(c.message, c.wParam, 0, result);
  if (c.expectedCall) {
    EXPECT_TRUE(handled);
    EXPECT_EQ(dialog.calls, std::vector<std::string>{c.expectedCall});
  } else {
    EXPECT_FALSE(handled);
    EXPECT_TRUE(dialog.calls.empty());
    EXPECT_EQ(result, 12345) << "an unhandled message leaves the answer alone";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageMapRouting,
    ::testing::Values(RoutingCase{"own entry before the base's, first of two equal entries",
                                  WM_COMMAND, MAKEWPARAM(kButton, BN_CLICKED), "Derived::OnButton"},
                      RoutingCase{"falls through to the base", WM_COMMAND,
                                  MAKEWPARAM(kCombo, CBN_SELCHANGE), "Base::OnComboChange"},
                      RoutingCase{"plain message in the base", WM_PAINT, 0, "Base::OnPaint"},
                      RoutingCase{"IDOK reaches CDialog's map and the virtual OnOK", WM_COMMAND,
                                  MAKEWPARAM(IDOK, BN_CLICKED), "Base::OnOK"},
                      RoutingCase{"notification code must match", WM_COMMAND,
                                  MAKEWPARAM(kCombo, CBN_DROPDOWN), nullptr},
                      RoutingCase{"control id must match", WM_COMMAND,
                                  MAKEWPARAM(kButton + 50, BN_CLICKED), nullptr},
                      RoutingCase{"message in no table", WM_TIMER, 0, nullptr}),
    [](const ::testing::TestParamInfo<RoutingCase>& info) {
      return "Case" + std::to_string(info.index);
    });

TEST(MessageMapHandlers, PassArgumentsAndAnswers) {
  CDerivedDialog dialog;
  LRESULT result = 0;

  ASSERT_TRUE(dialog.DispatchMessageMap(WM_SYSCOMMAND, 0xF123, 0x00500060, result));
  EXPECT_EQ(dialog.sysCommand, 0xF123u);
  EXPECT_EQ(dialog.sysLparam, 0x00500060);

  ASSERT_TRUE(dialog.DispatchMessageMap(WM_QUERYDRAGICON, 0, 0, result));
  EXPECT_EQ(result, reinterpret_cast<LRESULT>(kDragIcon));

  NMHDR header{nullptr, kList, NM_CLICK};
  ASSERT_TRUE(
      dialog.DispatchMessageMap(WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&header), result));
  EXPECT_EQ(dialog.notifyHeader, &header);
  EXPECT_EQ(result, 7);

  NMHDR otherCode{nullptr, kList, NM_DBLCLK};
  EXPECT_FALSE(
      dialog.DispatchMessageMap(WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&otherCode), result));
  NMHDR otherControl{nullptr, kList + 1, NM_CLICK};
  EXPECT_FALSE(dialog.DispatchMessageMap(WM_NOTIFY, kList + 1,
                                         reinterpret_cast<LPARAM>(&otherControl), result));
}

TEST(MessageMapLookup, WalksTheChainFromTheGivenTable) {
  CDerivedDialog dialog;
  const MessageMap* derived = dialog.GetMessageMap();
  const MessageMapEntry* own = FindMessageEntry(derived, WM_COMMAND, BN_CLICKED, kButton);
  const MessageMapEntry* base = FindMessageEntry(derived->base, WM_COMMAND, BN_CLICKED, kButton);
  ASSERT_NE(own, nullptr);
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(own, &derived->entries[1]);
  EXPECT_EQ(base, &derived->base->entries[0]);
  EXPECT_EQ(FindMessageEntry(derived, WM_COMMAND, BN_CLICKED, IDCANCEL),
            &CDialog::messageMap.entries[1]);
  EXPECT_EQ(FindMessageEntry(&CCmdTarget::messageMap, WM_COMMAND, BN_CLICKED, IDOK), nullptr);
}

}  // namespace
