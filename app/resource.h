#pragma once

#define IDI_DISCGATE 1
#define IDS_PRODUCT 1
#define IDR_SEAL 2
