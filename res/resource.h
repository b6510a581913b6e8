// Numeric ids of the program's resources; fixed, as stored files and menus refer to them.
#pragma once

#define IDR_MAINFRAME 128
#define IDP_OLE_INIT_FAILED 101
#define AFX_IDS_APP_TITLE 0xE000

// About box
#define IDD_ABOUTBOX 100
#define IDB_ABOUT 233
#define IDC_ASK_PUBLISHER 1019

// Reusable controls
#define IDD_HINT 355

#include "mainframe_ids.h"
#include "wizard_ids.h"
#include "editors_ids.h"
#include "proceeding_ids.h"
#include "document_ids.h"
#include "evaluation_ids.h"
#include "evaluation_balance_ids.h"
#include "price_components_ids.h"
#include "list_editor_ids.h"
#include "deadline_ids.h"
#include "grid_ids.h"
#include "archive_ids.h"
#include "lists_ids.h"
#include "tools_ids.h"
#include "table_editors_ids.h"
#include "summary_proceedings_ids.h"
#include "calendar_ids.h"
#include "cpv_ids.h"
#include "mail_ids.h"
#include "merge_ids.h"
#include "summary_ids.h"
