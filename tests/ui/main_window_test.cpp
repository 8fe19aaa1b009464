// The main window on a LAN of simulated adapters: its lists after a search, Refresh,
// Configuration, the selected-row scan from the top visible row, repainting, and the ways the
// window ends with and without closing the network endpoint.

#include <cstring>
#include <string>
#include <vector>

#include "net/endpoint.h"
#include "net/commands.h"
#include "net/link.h"
#include "net/link_state.h"
#include "window_test_support.h"

namespace {

std::vector<std::string> ExpectedAdapterRows() {
  std::vector<std::string> rows;
  for (const LanAdapter& a : kLanAdapters)
    rows.push_back(std::string(a.name) + '|' + a.ip + '|' + a.netmask + '|' + a.gateway);
  return rows;
}

std::vector<std::string> AdapterListRecords() {
  std::vector<std::string> rows;
  for (const AdapterRecord* a = g_link.adapterList.head.get(); a; a = a->next.get())
    rows.push_back(std::string(a->name) + '|' + a->ip + '|' + a->netmask + '|' + a->gateway);
  return rows;
}

struct Column {
  std::string header;
  int width;
  int format;
  int subItem;
};

std::vector<Column> Columns(CListCtrl& list) {
  std::vector<Column> columns;
  for (int i = 0;; ++i) {
    char text[64] = "";
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    if (!list.SendMessage(LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column))) break;
    columns.push_back({text, column.cx, column.fmt & LVCFMT_JUSTIFYMASK, column.iSubItem});
  }
  return columns;
}

bool operator==(const Column& a, const Column& b) {
  return a.header == b.header && a.width == b.width && a.format == b.format &&
         a.subItem == b.subItem;
}

std::ostream& operator<<(std::ostream& out, const Column& c) {
  return out << '"' << c.header << "\" " << c.width << "px fmt " << c.format << " sub "
             << c.subItem;
}

// Delegates to the socket link and notes, at every request sent, whether Refresh was enabled.
class RefreshWatchingLink : public Link {
 public:
  explicit RefreshWatchingLink(CButton& refresh) : refresh_(refresh) {}
  void Send(const uint8_t* bytes, int count) override {
    refreshEnabledAtSend.push_back(refresh_.IsWindowEnabled() != FALSE);
    SocketLink().Send(bytes, count);
  }
  PollResult Poll(ReceiveArea& area) override { return SocketLink().Poll(area); }
  void Pause(int milliseconds) override { SocketLink().Pause(milliseconds); }
  int64_t NowMilliseconds() override { return SocketLink().NowMilliseconds(); }

  std::vector<bool> refreshEnabledAtSend;

 private:
  CButton& refresh_;
};

TEST_F(WindowTest, ListsHaveTheirColumnsAndFullRowSelection) {
  RunProgram([](CMainDialog& window) {
    EXPECT_EQ(Columns(window.m_adapterList),
              (std::vector<Column>{{"Name", 94, LVCFMT_LEFT, 0},
                                   {"IP", 81, LVCFMT_LEFT, 1},
                                   {"Netmask", 81, LVCFMT_LEFT, 2},
                                   {"Gateway", 81, LVCFMT_LEFT, 3}}));
    EXPECT_EQ(Columns(window.m_linkList), (std::vector<Column>{{"Link Name", 120, LVCFMT_LEFT, 0},
                                                               {"Location", 100, LVCFMT_LEFT, 1}}));
    EXPECT_EQ(window.m_adapterList.GetExtendedStyle(), DWORD(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(window.m_linkList.GetExtendedStyle(), DWORD(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(window.m_pAdapterList, &window.m_adapterList);
    EXPECT_EQ(window.m_pLinkList, &window.m_linkList);
  });
}

TEST_F(WindowTest, OpensShowingTheAdaptersOfTheFirstSearchInListOrder) {
  RunProgram([](CMainDialog& window) {
    EXPECT_TRUE(::IsWindowVisible(window.m_hWnd));
    EXPECT_EQ(ListRows(window.m_adapterList), ExpectedAdapterRows());
    EXPECT_EQ(ListRows(window.m_adapterList), AdapterListRecords());
    EXPECT_TRUE(SelectedRows(window.m_adapterList).empty());
    EXPECT_EQ(window.m_linkList.GetItemCount(), 0);
    EXPECT_EQ(window.m_adapterSelected, 0);
    EXPECT_TRUE(window.m_refreshButton.IsWindowEnabled());
    EXPECT_EQ(window.m_dhcpCombo.GetCurSel(), CB_ERR) << "no DHCP choice before a click";
  });
  EXPECT_TRUE(boxes.empty());
}

TEST_F(WindowTest, RefreshEmptiesListsAndFieldsThenListsANewSearch) {
  RunProgram([](CMainDialog& window) {
    SelectRow(window.m_adapterList, 1);
    AppendShare("public");
    window.FillLinkList(1, ServerComparison::kIgnoreCase);
    ASSERT_EQ(window.m_linkList.GetItemCount(), 1);
    window.m_ipAddress.SetAddress(10, 213, 1, 11);
    window.m_netmask.SetAddress(255, 255, 255, 0);
    window.m_gateway.SetAddress(10, 213, 1, 254);
    window.m_dhcpCombo.SetCurSel(1);
    window.m_ipAddress.EnableWindow(FALSE);
    window.m_connectButton.EnableWindow(FALSE);
    std::strcpy(g_link.workingAddress, "10.213.1.11");
    window.m_adapterSelected = 1;
    // Forget the first search, so that only a new one can refill the list.
    ClearAdapterList(g_link.adapterList);

    Click(window, IDC_REFRESH);

    EXPECT_EQ(ListRows(window.m_adapterList), ExpectedAdapterRows());
    EXPECT_TRUE(SelectedRows(window.m_adapterList).empty());
    EXPECT_EQ(window.m_linkList.GetItemCount(), 0);
    EXPECT_TRUE(window.m_ipAddress.IsBlank());
    EXPECT_TRUE(window.m_netmask.IsBlank());
    EXPECT_TRUE(window.m_gateway.IsBlank());
    EXPECT_EQ(window.m_adapterSelected, 0);
    EXPECT_EQ(window.m_dhcpCombo.GetCurSel(), 1) << "the DHCP choice is kept";
    EXPECT_FALSE(window.m_ipAddress.IsWindowEnabled()) << "a disabled field stays disabled";
    EXPECT_TRUE(window.m_netmask.IsWindowEnabled());
    EXPECT_FALSE(window.m_connectButton.IsWindowEnabled()) << "a disabled button stays disabled";
    EXPECT_TRUE(window.m_configurationButton.IsWindowEnabled());
    EXPECT_EQ(g_link.shareList.count, 1u) << "the share list is not touched";
    EXPECT_STREQ(g_link.workingAddress, "10.213.1.11") << "nor the working address";
  });
  EXPECT_TRUE(boxes.empty());
}

TEST_F(WindowTest, RefreshIsDisabledWhileTheSearchRuns) {
  RunProgram([](CMainDialog& window) {
    RefreshWatchingLink link(window.m_refreshButton);
    SetActiveLink(&link);
    Click(window, IDC_REFRESH);
    SetActiveLink(nullptr);
    ASSERT_FALSE(link.refreshEnabledAtSend.empty()) << "no search request went out";
    for (bool enabled : link.refreshEnabledAtSend) EXPECT_FALSE(enabled);
    EXPECT_TRUE(window.m_refreshButton.IsWindowEnabled());
  });
}

TEST_F(WindowTest, WhenNoAdapterAnswersTheListsStayEmptyWithoutAMessage) {
  RunProgram([this](CMainDialog& window) {
    NetworkShutdown();  // a closed endpoint hears no adapter
    Click(window, IDC_REFRESH);
    EXPECT_EQ(window.m_adapterList.GetItemCount(), 0);
    EXPECT_EQ(window.m_linkList.GetItemCount(), 0);
    EXPECT_TRUE(boxes.empty());

    Click(window, IDC_CONFIGURATION);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please select an adapter to configure.");
  });
  EXPECT_TRUE(launches.empty());
}

TEST_F(WindowTest, ConfigurationWithoutASelectionWarnsAndStartsNothing) {
  RunProgram([](CMainDialog& window) { Click(window, IDC_CONFIGURATION); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Please select an adapter to configure.");
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONWARNING));
  EXPECT_TRUE(launches.empty());
}

TEST_F(WindowTest, ConfigurationOpensTheSelectedAdaptersPage) {
  const std::vector<int> rows = {0, 2, int(kLanAdapters.size()) - 1};
  RunProgram([&rows](CMainDialog& window) {
    for (int row : rows) {
      SelectRow(window.m_adapterList, row);
      window.m_adapterList.EnsureVisible(row, FALSE);
      Click(window, IDC_CONFIGURATION);
    }
  });
  EXPECT_TRUE(boxes.empty());
  ASSERT_EQ(launches.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(launches[i].commandLine, std::string("explorer http://") + kLanAdapters[rows[i]].ip);
    EXPECT_EQ(launches[i].showCommand, 0u);
  }
}

TEST_F(WindowTest, ASelectionScrolledAboveTheTopCountsAsNone) {
  RunProgram([this](CMainDialog& window) {
    CListCtrl& adapters = window.m_adapterList;
    SelectRow(adapters, 0);
    AppendShare("music");
    window.FillLinkList(0, ServerComparison::kExact);
    AppendShare("photos");  // a refill from now on would list two shares

    adapters.EnsureVisible(adapters.GetItemCount() - 1, FALSE);
    ASSERT_GT(adapters.GetTopIndex(), 0) << "the list must be taller than its window";
    ASSERT_EQ(SelectedRows(adapters), std::vector<int>{0});

    Click(window, IDC_CONFIGURATION);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(launches.empty());
    RepaintNow(window);
    EXPECT_EQ(ListRows(window.m_linkList), std::vector<std::string>{"music|"})
        << "a paint finds no selected row and leaves the Link Info list alone";

    adapters.EnsureVisible(0, FALSE);
    ASSERT_EQ(adapters.GetTopIndex(), 0);
    RepaintNow(window);
    EXPECT_EQ(ListRows(window.m_linkList), (std::vector<std::string>{"music|", "photos|"}));
    Click(window, IDC_CONFIGURATION);
    EXPECT_EQ(boxes.size(), 1u);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].commandLine, "explorer http://10.213.1.10");
  });
}

TEST_F(WindowTest, EveryPaintRefreshesDriveLettersAndLocations) {
  RunProgram([this](CMainDialog& window) {
    AppendShare("music");
    AppendShare("photos");
    AppendShare("backup");
    SelectRow(window.m_adapterList, 0);  // NAS-STUDIO, 10.213.1.10
    // Connections made outside the program show at the next paint.
    drives.Connect('Z', "\\\\10.213.1.10\\music");
    drives.Connect('Y', "\\\\nas-studio\\photos");  // the name in other letter case
    drives.Connect('X', "\\\\NAS-STUDIO\\BACKUP");
    drives.Connect('G', "\\\\OFFICE-DISK\\music");
    drives.SetDriveType('D', kDriveFixed);
    drives.ClearCalls();

    RepaintNow(window);

    EXPECT_EQ(drives.CallsOf(DriveCall::Kind::kGetConnection).size(), 26u);
    EXPECT_EQ(ListRows(window.m_linkList),
              (std::vector<std::string>{"music|Z:", "photos|", "backup|X:"}))
        << "a paint compares servers exactly, share names ignoring case";
    ASSERT_GE(window.m_driveCombo.GetCount(), 4);
    EXPECT_EQ(window.m_driveCombo.GetLBText(0), "E:");
    EXPECT_EQ(window.m_driveCombo.GetLBText(2), "G: \\\\OFFICE-DISK\\music");
    EXPECT_EQ(window.m_driveCombo.GetCurSel(), 0) << "the first free letter is the default";
  });
}

// The window procedure of the main window, and the device contexts of the WM_ICONERASEBKGND
// messages that went through it.
WNDPROC g_mainWindowProcedure = nullptr;
std::vector<WPARAM> g_iconErases;

LRESULT CALLBACK RecordIconErases(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ICONERASEBKGND) g_iconErases.push_back(wParam);
  return ::CallWindowProcA(g_mainWindowProcedure, window, message, wParam, lParam);
}

TEST_F(WindowTest, MinimisedTheWindowStillRefreshesAndDrawsItsIcon) {
  RunProgram([this](CMainDialog& window) {
    g_mainWindowProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        window.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordIconErases)));
    g_iconErases.clear();
    RepaintNow(window);
    EXPECT_TRUE(g_iconErases.empty()) << "a window that is not minimised paints as a dialog";

    window.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(window.IsIconic());
    drives.Connect('K', "\\\\NAS-STUDIO\\music");
    drives.ClearCalls();
    ::InvalidateRect(window.m_hWnd, nullptr, TRUE);
    window.SendMessage(WM_PAINT);
    ASSERT_EQ(g_iconErases.size(), 1u) << "the icon's background is erased before it is drawn";
    EXPECT_NE(g_iconErases[0], 0u) << "on the paint context";
    EXPECT_FALSE(::GetUpdateRect(window.m_hWnd, nullptr, FALSE)) << "the paint validated";
    ::SetWindowLongPtrA(window.m_hWnd, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(g_mainWindowProcedure));
    EXPECT_EQ(drives.CallsOf(DriveCall::Kind::kGetConnection).size(), 26u);
    bool offered = false;
    for (int i = 0; i < window.m_driveCombo.GetCount(); ++i)
      offered |= window.m_driveCombo.GetLBText(i) == "K: \\\\NAS-STUDIO\\music";
    EXPECT_TRUE(offered);
    EXPECT_EQ(reinterpret_cast<HICON>(window.SendMessage(WM_QUERYDRAGICON)), window.m_hIcon);
    window.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(window.IsIconic());
  });
}

enum class Ending { kExitButton, kCloseBox, kEnterKey, kEscKey };

TEST_F(WindowTest, ExitAndCloseShutTheEndpointDownEnterAndEscDoNot) {
  struct Case {
    Ending ending;
    const char* what;
    bool endpointClosed;
  } cases[] = {
      {Ending::kExitButton, "Exit", true},
      {Ending::kCloseBox, "close box", true},
      {Ending::kEnterKey, "Enter", false},
      {Ending::kEscKey, "Esc", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetDeviceLinkState();
    HWND window = nullptr;
    const BOOL result = RunProgram([&](CMainDialog& live) {
      window = live.m_hWnd;
      switch (c.ending) {
        case Ending::kExitButton: Click(live, IDC_EXIT); break;
        case Ending::kCloseBox: live.PostMessage(WM_SYSCOMMAND, SC_CLOSE); break;
        case Ending::kEnterKey: PressKey(VK_RETURN); break;
        case Ending::kEscKey: PressKey(VK_ESCAPE); break;
      }
    });
    EXPECT_EQ(result, FALSE);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(endedByTest) << "the window did not end by itself";
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(AdaptersAnsweringNow(), c.endpointClosed ? 0 : int(kLanAdapters.size()));
    NetworkShutdown();
  }
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
