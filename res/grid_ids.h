// Resource ids of the grid control.
#pragma once

#define IDD_GRID_CELL_TEXT 151
#define IDC_GRID_CELL_TEXT 1000
