#pragma once
// Resource ids of the program, shared by the resource script and the code.

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_SETUP 102

// The program icon.
#define IDR_MAINFRAME 128

// The string table: the system-menu item and the message catalogue.
#define IDS_ABOUTBOX 101
#define IDP_LAUNCH_FAILED 105
#define IDP_REGISTERED 106
#define IDP_NAVIGATOR_MISSING 107
#define IDP_REGISTER_FAILED 108
#define IDP_CREATE_FOLDER_FAILED 110
#define IDP_SAME_PATH 111
#define IDP_MOVE_FAILED 112
#define IDP_REMOVE_ASK 113
#define IDP_REMOVED 114
#define IDP_REMOVE_FAILED 115

// The framework's own text for a help engine that cannot be reached.
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107

// Controls of the setup dialog.
#define IDC_BROWSE 1009
#define IDC_FOLDER 1012

// Controls that the code never addresses.
#define IDC_STATIC (-1)

// The about item of the setup dialog's system menu.
#define IDM_ABOUTBOX 0x0010
