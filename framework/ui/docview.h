#pragma once
// Frames, MDI, documents and views, and control bars.

#include "framework/ui/controlbar.h"
#include "framework/ui/ctrlview.h"
#include "framework/ui/dialogbar.h"
#include "framework/ui/docmanager.h"
#include "framework/ui/doctemplate.h"
#include "framework/ui/document.h"
#include "framework/ui/frameids.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/mdiframe.h"
#include "framework/ui/richeditview.h"
#include "framework/ui/scrollview.h"
#include "framework/ui/splitter.h"
#include "framework/ui/statusbar.h"
#include "framework/ui/toolbar.h"
#include "framework/ui/view.h"
