// Resource ids of the CPV dictionary dialog.
#pragma once

#define IDD_CPV_DICTIONARY 315
#define IDC_CPV_SEARCH_BUTTON 316
#define IDC_CPV_TABS 317
#define IDC_CPV_SEARCH_TEXT 1000
#define IDC_CPV_TREE 1001
#define IDC_CPV_CLOSE 1048
#define IDC_CPV_LIST 1054
#define IDC_CPV_LIST_MODE 1198
#define IDC_CPV_TREE_MODE 1199
