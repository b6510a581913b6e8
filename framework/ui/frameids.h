#pragma once
// The fixed ids and style bits of frames, views and control bars. The numbers are the ones the
// program's resources use for the standard commands and windows, so they must not change.

#include <windows.h>

#include <commctrl.h>

// ---- Child windows of a frame ------------------------------------------------------------------
#define AFX_IDW_TOOLBAR 0xE800    // the main toolbar (59392)
#define AFX_IDW_STATUS_BAR 0xE801 // the status bar (59393)
#define AFX_IDW_DIALOGBAR 0xE805
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_PANE_FIRST 0xE900 // the view, splitter or MDI client filling the frame
#define AFX_IDW_PANE_LAST 0xE9FF
#define AFX_IDM_FIRST_MDICHILD 0xFF00 // the MDI client numbers its children's menu items from here

// ---- Standard commands ---------------------------------------------------------------------------
#define ID_SEPARATOR 0
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE16 0xE11F
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801

// The private message that starts a view's initial update.
#define WM_INITIALUPDATE (WM_AFXFIRST + 4)

// The application's title string (the first part of a frame's string is its own title).
#define AFX_IDS_APP_TITLE 0xE000

// ---- Frame styles, kept in the low word of the window style -----------------------------------
#define FWS_ADDTOTITLE 0x00008000L  // the title shows the active document's name
#define FWS_PREFIXTITLE 0x00004000L // ... before the frame's own title

// ---- Control-bar styles: CBRS_ bits travel with the window style and are taken off it ----------
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Toolbar button styles (the control's own) and status pane styles.
#define TBBS_BUTTON TBSTYLE_BUTTON
#define TBBS_SEPARATOR TBSTYLE_SEP
#define TBBS_CHECKBOX TBSTYLE_CHECK
#define TBBS_DROPDOWN TBSTYLE_DROPDOWN
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

// A view's default window style.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)
