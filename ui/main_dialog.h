#pragma once
// The main window: the adapters found on the LAN, the address panel of the selected one and
// its shares with their drive letters.

#include <functional>

#include "framework.h"
#include "ui/share_location.h"

class CMainDialog : public CDialog {
 public:
  explicit CMainDialog(CWnd* parent = nullptr);
  ~CMainDialog() override;

  const MessageMap* GetMessageMap() const override;

  // Empties both lists and the address fields, searches again and lists what answered.
  // Also the Refresh button's handler.
  void RefreshAdapterList();
  // Lists the shares of ShareList, each with the drive letter that maps it on the adapter of
  // the given adapter-list row.
  void FillLinkList(int adapterRow, ServerComparison serverComparison);
  // The drive letters offered for mapping, with the default one selected.
  void FillDriveCombo();

  // Controls, bound in this order by DoDataExchange.
  CButton m_configurationButton;
  CButton m_disconnectButton;
  CButton m_connectButton;
  CComboBox m_dhcpCombo;
  CComboBox m_driveCombo;
  CListCtrl m_linkList;
  CListCtrl m_adapterList;
  CButton m_refreshButton;
  CIPAddressCtrl m_ipAddress;
  CIPAddressCtrl m_netmask;
  CIPAddressCtrl m_gateway;

  // 1 once an adapter row has been clicked; 0 after every new search.
  int m_adapterSelected = 0;
  HICON m_hIcon;
  // The two lists as the handlers reach them (the bound members above).
  CListCtrl* m_pAdapterList = nullptr;
  CListCtrl* m_pLinkList = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnExit();
  void OnConfiguration();
  void OnClose();
  void OnAbout();

  // The selected-row scan: the adapter-list rows from startRow (the top visible row when the
  // handler began) to the last one, the row count read again before each row. Calls visit for
  // each selected row until it returns false. Rows above startRow are never looked at, so a
  // selection scrolled out of sight at the top counts as none.
  void ScanSelectedAdapterRows(int startRow, const std::function<bool(int row)>& visit);

  // Disables Refresh while SearchAdapters runs, then lists AdapterList in list order.
  void SearchAndListAdapters();
};
