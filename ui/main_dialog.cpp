#include "ui/main_dialog.h"

#include "drives/drive_combo.h"
#include "drives/mapped_drive_table.h"
#include "net/discovery.h"
#include "net/endpoint.h"
#include "net/link_state.h"
#include "ui/about_dialog.h"
#include "ui/program_launcher.h"
#include "ui/res/resource.h"

namespace {

struct ColumnSpec {
  const char* header;
  int width;  // pixels
};

constexpr ColumnSpec kAdapterColumns[] = {
    {"Name", 94}, {"IP", 81}, {"Netmask", 81}, {"Gateway", 81}};
constexpr ColumnSpec kLinkColumns[] = {{"Link Name", 120}, {"Location", 100}};

template <std::size_t N>
void InsertColumns(CListCtrl& list, const ColumnSpec (&columns)[N]) {
  for (int i = 0; i < int(N); ++i)
    list.InsertColumn(i, columns[i].header, LVCFMT_LEFT, columns[i].width, i);
}

// A row with no text and no state, filled column by column afterwards.
int InsertEmptyRow(CListCtrl& list, int row) {
  return list.InsertItem(LVIF_TEXT | LVIF_STATE, row, "", 0, 0, 0, 0);
}

}  // namespace

CMainDialog::CMainDialog(CWnd* parent)
    : CDialog(IDD_MAIN_DIALOG, parent),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CMainDialog::~CMainDialog() = default;

const MessageMap* CMainDialog::GetMessageMap() const {
  static const MessageMapEntry entries[] = {
      MapMessage(WM_SYSCOMMAND, &CMainDialog::OnSysCommand),
      MapMessage(WM_PAINT, &CMainDialog::OnPaint),
      MapMessage(WM_QUERYDRAGICON, &CMainDialog::OnQueryDragIcon),
      MapCommand(BN_CLICKED, IDC_EXIT, &CMainDialog::OnExit),
      MapCommand(BN_CLICKED, IDC_CONFIGURATION, &CMainDialog::OnConfiguration),
      MapMessage(WM_CLOSE, &CMainDialog::OnClose),
      MapCommand(BN_CLICKED, IDC_REFRESH, &CMainDialog::RefreshAdapterList),
      MapCommand(BN_CLICKED, IDC_ABOUT, &CMainDialog::OnAbout),
  };
  static const MessageMap map = MakeMessageMap(&CDialog::messageMap, entries);
  return &map;
}

void CMainDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CONFIGURATION, m_configurationButton);
  DDX_Control(pDX, IDC_DISCONNECT, m_disconnectButton);
  DDX_Control(pDX, IDC_CONNECT, m_connectButton);
  DDX_Control(pDX, IDC_DHCP_COMBO, m_dhcpCombo);
  DDX_Control(pDX, IDC_DRIVE_COMBO, m_driveCombo);
  DDX_Control(pDX, IDC_LINK_LIST, m_linkList);
  DDX_Control(pDX, IDC_ADAPTER_LIST, m_adapterList);
  DDX_Control(pDX, IDC_REFRESH, m_refreshButton);
  DDX_Control(pDX, IDC_IP_ADDRESS, m_ipAddress);
  DDX_Control(pDX, IDC_NETMASK, m_netmask);
  DDX_Control(pDX, IDC_GATEWAY, m_gateway);
}

BOOL CMainDialog::OnInitDialog() {
  CDialog::OnInitDialog();

  if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
    CString aboutItem;
    aboutItem.LoadString(IDS_ABOUTBOX);
    if (!aboutItem.IsEmpty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutItem);
    }
  }

  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  // GetDlgItem gives the bound member itself, so these are the list controls above.
  m_pAdapterList = static_cast<CListCtrl*>(GetDlgItem(IDC_ADAPTER_LIST));
  m_adapterList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  InsertColumns(*m_pAdapterList, kAdapterColumns);
  m_pLinkList = static_cast<CListCtrl*>(GetDlgItem(IDC_LINK_LIST));
  m_linkList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  InsertColumns(*m_pLinkList, kLinkColumns);

  RefreshMappedDrives();
  FillDriveCombo();
  RefreshAdapterList();
  m_adapterSelected = 0;
  return TRUE;
}

void CMainDialog::RefreshAdapterList() {
  m_pAdapterList->DeleteAllItems();
  m_pLinkList->DeleteAllItems();
  m_ipAddress.ClearAddress();
  m_netmask.ClearAddress();
  m_gateway.ClearAddress();
  SearchAndListAdapters();
  m_adapterSelected = 0;
}

void CMainDialog::SearchAndListAdapters() {
  // The search blocks for about a second; a disabled Refresh shows that it is under way.
  m_refreshButton.EnableWindow(FALSE);
  SearchAdapters();
  m_refreshButton.EnableWindow(TRUE);

  int row = 0;
  for (const AdapterRecord* adapter = g_link.adapterList.head.get(); adapter;
       adapter = adapter->next.get(), ++row) {
    InsertEmptyRow(*m_pAdapterList, row);
    m_pAdapterList->SetItemText(row, 0, adapter->name);
    m_pAdapterList->SetItemText(row, 1, adapter->ip);
    m_pAdapterList->SetItemText(row, 2, adapter->netmask);
    m_pAdapterList->SetItemText(row, 3, adapter->gateway);
  }
}

void CMainDialog::FillLinkList(int adapterRow, ServerComparison serverComparison) {
  m_pLinkList->DeleteAllItems();
  const CString adapterName = m_pAdapterList->GetItemText(adapterRow, 0);
  const CString adapterIp = m_pAdapterList->GetItemText(adapterRow, 1);

  int row = 0;
  for (const ShareRecord* share = g_link.shareList.head.get(); share;
       share = share->next.get(), ++row) {
    InsertEmptyRow(*m_pLinkList, row);
    m_pLinkList->SetItemText(row, 0, share->name);
    if (const char* drive =
            ShareLocation(MappedDriveTable, adapterName, adapterIp, share->name, serverComparison))
      m_pLinkList->SetItemText(row, 1, drive);
  }
}

void CMainDialog::FillDriveCombo() {
  const DriveComboItems items = ComputeDriveComboItems();
  m_driveCombo.ResetContent();
  for (const std::string& text : items.texts) m_driveCombo.AddString(text.c_str());
  m_driveCombo.SetCurSel(items.selectedIndex);
}

void CMainDialog::ScanSelectedAdapterRows(int startRow, const std::function<bool(int row)>& visit) {
  for (int row = startRow; row < m_pAdapterList->GetItemCount(); ++row) {
    if (m_pAdapterList->GetItemState(row, LVIS_SELECTED) == LVIS_SELECTED && !visit(row)) return;
  }
}

void CMainDialog::OnPaint() {
  const int startRow = m_pAdapterList->GetTopIndex();
  // Every paint brings the drive letters and the Link Info list up to date with the system's
  // connections, which may have changed outside the program.
  RefreshMappedDrives();
  FillDriveCombo();
  ScanSelectedAdapterRows(startRow, [this](int row) {
    FillLinkList(row, ServerComparison::kExact);
    return true;
  });

  if (IsIconic()) {
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
  } else {
    Default();
  }
}

HICON CMainDialog::OnQueryDragIcon() {
  return m_hIcon;
}

void CMainDialog::OnConfiguration() {
  int selectedRow = -1;
  ScanSelectedAdapterRows(m_pAdapterList->GetTopIndex(), [&selectedRow](int row) {
    selectedRow = row;
    return false;
  });
  if (selectedRow < 0) {
    MessageBox("Please select an adapter to configure.", "Warning", MB_OK | MB_ICONWARNING);
    return;
  }
  CString commandLine;
  commandLine.Format("explorer http://%s",
                     static_cast<const char*>(m_pAdapterList->GetItemText(selectedRow, 1)));
  LaunchProgram(commandLine, SW_HIDE);
}

void CMainDialog::OnExit() {
  NetworkShutdown();
  DestroyWindow();
}

void CMainDialog::OnClose() {
  NetworkShutdown();
  // The dialog's default handling turns WM_CLOSE into IDCANCEL, which ends the run.
  Default();
}

void CMainDialog::OnSysCommand(UINT id, LPARAM) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    OnAbout();
  } else {
    Default();
  }
}

void CMainDialog::OnAbout() {
  CAboutDialog about;
  about.DoModal();
}
