// Lists of the program paint their rows alternately light grey and white.
#pragma once

#include <windows.h>
#include <commctrl.h>

// The list-view custom-draw answer that paints odd rows light grey and even rows white.
void OnCustomDrawAlternateRows(NMHDR *pNMHDR, LRESULT *pResult);
