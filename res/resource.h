// Numeric ids of the program's resources; fixed, as stored files and menus refer to them.
#pragma once

#define IDR_MAINFRAME               128
#define IDP_OLE_INIT_FAILED         101
#define AFX_IDS_APP_TITLE           0xE000
