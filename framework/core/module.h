#pragma once
// The module whose resources (string table, dialogs...) the layer loads: the program's own
// executable unless the application sets another.

#include <windows.h>

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
