#pragma once

#define IDI_DISCGATE 1
#define IDS_PRODUCT 1
#define IDR_SEAL 2
#define IDD_PRINTING 3
#define IDC_PRINTING_PAGE 100
// Commands of the keys in the accelerator table, and of the window menu's items.
#define IDA_DISCGATE 4
#define IDM_PRINT 0x0010  // also the window menu's: below 0xF000, the low four bits clear
#define IDM_SAVE 0x0020
#define IDM_ZOOM_IN 0x0030
#define IDM_ZOOM_OUT 0x0040
#define IDM_ZOOM_RESET 0x0050
