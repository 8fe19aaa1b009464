#pragma once
// Resource ids of the framework tests' own templates.

#define IDD_TEST 200
#define IDD_PLAIN 201
#define IDD_MISSING 299

#define IDC_NAME 1001
#define IDC_PASSWORD 1002
#define IDC_CHOICE 1003
#define IDC_LABEL 1004
#define IDC_GROUP 1005
#define IDC_LIST 1006
#define IDC_ADDRESS 1007
#define IDC_READ_ONLY 1008
#define IDC_CLOSE_BUTTON 1009

#define IDS_GREETING 300
#define IDS_LONG 301
