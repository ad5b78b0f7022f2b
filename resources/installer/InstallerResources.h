// Resource identifiers of the installer, shared by its resource script and its code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The main window's class icon and menu.
#define IDI_INSTALLER 501
#define IDR_MAIN_MENU 502
#define IDM_EXIT 40001

// The dialogs, in the order a run meets them.
#define IDD_MODEL 503
#define IDD_MAINTENANCE 504
#define IDD_INSTALLED 505
#define IDD_REMOVED 506

// Model dialog. The model buttons run 1000-1003 in the order of the installed model codes
// 0-3, so a button's id less IDC_DO_NOT_INSTALL is its code.
#define IDC_DO_NOT_INSTALL 1000
#define IDC_MODEL_5000 1001
#define IDC_MODEL_5500 1002
#define IDC_MODEL_6000 1003
#define IDC_ADVANCED_PANEL 1004
#define IDC_OPTION_GROUP 1005
#define IDC_MODEL_GROUP 1008
#define IDC_VERSION_LABEL 1013

// Maintenance dialog.
#define IDC_REINSTALL 1006
#define IDC_REMOVE 1007
#define IDC_MAINTENANCE_LINE1 1009
#define IDC_MAINTENANCE_LINE2 1010
#define IDC_MAINTENANCE_LINE3 1011
#define IDC_MAINTENANCE_FRAME 1012

// Installed and removed dialogs.
#define IDC_REMOVED_FRAME 1014
#define IDC_INSTALLED_LINE1 1015
#define IDC_INSTALLED_LINE2 1016
#define IDC_REMOVED_LINE1 1017
#define IDC_REMOVED_LINE2 1018
#define IDC_INSTALLED_FRAME 1019
