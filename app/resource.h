#pragma once

#define IDI_DISCGATE 1
