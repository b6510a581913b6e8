#pragma once
// Everything the window half of the class-library layer offers.

#include "framework/ui/cmdtarget.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/controls.h"
#include "framework/ui/ddx.h"
#include "framework/ui/dialog.h"
#include "framework/ui/docview.h"
#include "framework/ui/gdi.h"
#include "framework/ui/menu.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "framework/ui/richedit.h"
#include "framework/ui/testhook.h"
#include "framework/ui/winapp.h"
#include "framework/ui/wnd.h"
