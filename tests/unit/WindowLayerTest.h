// The test dialog of the window-layer tests under Wine.
#pragma once

#define IDD_WINDOW_LAYER_TEST 900
#define IDC_TEST_COMBO 100
#define IDC_TEST_RADIO_FIRST 101
#define IDC_TEST_RADIO_LAST 103
