#pragma once
// Ids of print preview: the commands of its bar, the framework's own bar template, and the
// child-window ids the preview takes in its frame. Plain defines, so resource scripts include it.

// Commands of the preview bar; a program's own bar template uses the same ids.
#define AFX_ID_PREVIEW_CLOSE 0xE300   // 58112
#define AFX_ID_PREVIEW_NUMPAGE 0xE301 // one page / two pages
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306

// The framework's preview bar (framework/ui/preview.rc).
#define AFX_IDD_PREVIEW_TOOLBAR 0x7801

// The preview bar in its frame, and the id the frame's own pane keeps while the preview
// fills the frame in its place.
#define AFX_IDW_PREVIEW_BAR 0xE80E
#define AFX_IDW_PANE_SAVE 0xEA21
