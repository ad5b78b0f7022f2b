// Resource identifiers of the page library, shared by its resource script and its code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The settings page's dialog template, and a copy in French with the wide layout that nothing
// loads.
#define IDD_SETTINGS_PAGE 501
#define IDD_SETTINGS_PAGE_WIDE 503

// Controls of the settings page.
#define IDC_CLOCK_TRACKBAR 1001
#define IDC_FACTORY_DEFAULTS 1002
#define IDC_UPPER_LIMIT 1003
#define IDC_LOWER_LIMIT 1004
#define IDC_CLOCK_VALUE 1005
#define IDC_OPENGL_SWAP 1006
#define IDC_D3D_SWAP 1007
#define IDC_MODEL 1008
#define IDC_ENABLE_CLOCK 1009
#define IDC_CLOCK_UNIT 1010
#define IDC_REFRESH_RATES 1026
#define IDC_RESTART_NOTE 1027
#define IDC_PRODUCT_LINE 1052
#define IDC_AUTHOR_LINE 1053
#define IDC_VERSION_LINE 1054
#define IDC_VSYNC_GROUP 1055
#define IDC_CLOCK_GROUP 1056
#define IDC_INSTALLED_FOR 1057
#define IDC_ABOUT_GROUP 1058
#define IDC_SETTINGS_GROUP 1062
// Hidden unless a driver installation changed what the user last saved.
#define IDC_RESTORE_NOTE 1063
#define IDC_RESTORE 1064

// String numbers within one language set; set k (0 English, 1 French, 2 German) holds
// string n at identifier 39 * k + n.
#define IDS_SET_SIZE 39
#define IDS_TAB_TITLE 1
#define IDS_VERSION_PREFIX 20
#define IDS_VERSION_SUFFIX 21
// After the three sets, one string per language in set order (English, French, German): the
// registry refused a change of the page or the Refresh Rates dialog; it refused the reset of
// a clock outside the limits ("%d" the clock, then the limit); a rate field of the dialog
// holds no rate ("%s" the resolution).
#define IDS_NOT_SAVED 118
#define IDS_CLOCK_NOT_RESET 121
#define IDS_RATE_NOT_VALID 124
// Likewise: the line that says a driver installation changed the settings, and its button.
#define IDS_RESTORE_NOTE 127
#define IDS_RESTORE 130
