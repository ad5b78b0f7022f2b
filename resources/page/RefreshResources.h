// Resource identifiers of the Refresh Rates dialog, shared by its resource script and its code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_REFRESH_RATES 502
// A copy in French with the wide layout that nothing loads.
#define IDD_REFRESH_RATES_WIDE 504

// One label and one combo box per resolution. The combo IDs follow the template's history,
// not the order of the resolutions.
#define IDC_LABEL_640X480 1035
#define IDC_LABEL_800X600 1036
#define IDC_LABEL_960X720 1037
#define IDC_LABEL_1024X768 1038
#define IDC_LABEL_1152X864 1039
#define IDC_LABEL_1280X960 1040
#define IDC_LABEL_1280X1024 1041
#define IDC_LABEL_1600X1024 1042
#define IDC_LABEL_1600X1200 1043
#define IDC_LABEL_1792X1344 1044
#define IDC_LABEL_1856X1392 1045
#define IDC_LABEL_1920X1080 1046
#define IDC_LABEL_1920X1200 1047
#define IDC_LABEL_1920X1440 1048
#define IDC_LABEL_2048X1536 1049

#define IDC_RATE_640X480 1024
#define IDC_RATE_800X600 1025
#define IDC_RATE_960X720 1019
#define IDC_RATE_1024X768 1020
#define IDC_RATE_1152X864 1021
#define IDC_RATE_1280X960 1022
#define IDC_RATE_1280X1024 1023
#define IDC_RATE_1600X1024 1011
#define IDC_RATE_1600X1200 1018
#define IDC_RATE_1792X1344 1013
#define IDC_RATE_1856X1392 1012
#define IDC_RATE_1920X1080 1014
#define IDC_RATE_1920X1200 1015
#define IDC_RATE_1920X1440 1016
#define IDC_RATE_2048X1536 1017

// Colour depth radios, the link box and the buttons.
#define IDC_DEPTH_8 1028
#define IDC_DEPTH_16 1029
#define IDC_DEPTH_24 1030
#define IDC_DEPTH_32 1031
#define IDC_LINK_ALL_DEPTHS 1032
#define IDC_SAVE 1033
#define IDC_DEFAULTS 1034

// Adapter-wide policy radios.
#define IDC_ADAPTER_DEFAULT_RATE 1050
#define IDC_ADAPTER_OPTIMAL_RATE 1051

// Group boxes.
#define IDC_RATES_GROUP 1059
#define IDC_DEPTH_GROUP 1060
#define IDC_ADAPTER_GROUP 1061

// The dialog's strings within one language set: the three special combo items, in item order.
#define IDS_ITEM_ADAPTER 24
#define IDS_ITEM_DEFAULT 25
#define IDS_ITEM_OPTIMAL 26
