// Identifiers of the resources of dunmere.exe, shared by the .rc and the dialog classes.
#pragma once

#define IDR_MAINFRAME 128

#define IDD_ABOUTBOX 100
#define IDD_MAIN_DIALOG 102
#define IDD_LOGIN 134

#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 0x0010

#define IDC_ADAPTER_LIST 1000
#define IDC_LINK_LIST 1001
#define IDC_REFRESH 1002
#define IDC_CONNECT 1003
#define IDC_DISCONNECT 1004
#define IDC_IP_ADDRESS 1006
#define IDC_APPLY 1007
#define IDC_CONFIGURATION 1008
#define IDC_EXIT 1009
#define IDC_NETMASK 1010
#define IDC_GATEWAY 1011
#define IDC_DRIVE_COMBO 1013
#define IDC_DHCP_COMBO 1015
#define IDC_USER_NAME 1016
#define IDC_PASSWORD 1017
#define IDC_ABOUT 1021

// Type of the dialog-initialisation data that CDialog::OnInitDialog plays into a dialog's
// controls (strings added to combo boxes).
#define RT_DIALOG_INIT 240
