// A toolbar across the top of a dialog: the dialog's controls move down by the bar's height
// and the dialog grows by it.
#pragma once

#include "framework/ui/toolbar.h"

class CWnd;

// Creates the bar from its toolbar resource above the dialog's controls; false when the bar
// or its resource cannot be made.
bool CreateToolBarOnTop(CWnd &dialog, CToolBar &bar, UINT resourceId, DWORD extraStyle = 0);
