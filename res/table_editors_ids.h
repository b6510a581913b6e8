// Resource ids of the table editors.
#pragma once

// "Edytor tabel": the grid table editor, its toolbar and the toolbar's commands.
#define IDD_GRID_TABLE_EDITOR 149
#define IDR_GRID_TABLE_TOOLBAR 152
#define IDC_GRID_TABLE_GRID 1030
#define ID_GRID_TABLE_EXPORT 32808
#define ID_GRID_TABLE_ADD_ROW 32809
#define ID_GRID_TABLE_DELETE_ROW 32810
#define ID_GRID_TABLE_EXIT 32811
#define ID_GRID_TABLE_CONTRACTORS 32812
#define ID_GRID_TABLE_PRINT 32819
#define ID_GRID_TABLE_SAVE 33829
#define ID_GRID_TABLE_ADD_COLUMN 33830
#define ID_GRID_TABLE_DELETE_COLUMN 33831

// Tooltips of the toolbar's buttons (the main window's strings use some of the command ids).
#define IDS_GRID_TABLE_ADD_ROW 35200
#define IDS_GRID_TABLE_DELETE_ROW 35201
#define IDS_GRID_TABLE_CONTRACTORS 35202
#define IDS_GRID_TABLE_PRINT 35203
#define IDS_GRID_TABLE_EXPORT 35204
#define IDS_GRID_TABLE_ADD_COLUMN 35205
#define IDS_GRID_TABLE_DELETE_COLUMN 35206
#define IDS_GRID_TABLE_SAVE 35207
#define IDS_GRID_TABLE_EXIT 35208

// "Edytor tabel": the table editor of a ";" table.
#define IDD_TABLE_EDITOR 353
#define IDC_TABLE_EDITOR_LIST 1054
#define IDC_TABLE_EDITOR_ADD 1105
#define IDC_TABLE_EDITOR_MODIFY 1106
#define IDC_TABLE_EDITOR_DELETE 1107
#define IDC_TABLE_EDITOR_CRITERIA 1201

// "Edycja elementu tabeli": one row of the table editor; its fields are made in code.
#define IDD_TABLE_EDITOR_ITEM 354
#define IDC_TABLE_EDITOR_ITEM_ADD_NEXT 1111
#define IDC_TABLE_EDITOR_ITEM_FIRST 1139
