// Resource ids of the value editors of the proceeding's variables.
#pragma once

// Shared by the editors.
#define IDI_EDITOR                  187
#define IDC_EDITOR_VALUE            1000
#define IDC_EDITOR_DICTIONARY       1017

// Text editor.
#define IDD_TEXT_EDITOR             136
#define IDR_TEXT_EDITOR_MENU        186
#define IDC_TEXT_EDITOR_LEGAL_HELP  1089
#define IDC_TEXT_EDITOR_PROPAGATE   1181
#define ID_TEXT_EDITOR_EXIT         32845
#define ID_TEXT_EDITOR_COPY         32846
#define ID_TEXT_EDITOR_CUT          32847
#define ID_TEXT_EDITOR_PASTE        32850

// Price editor.
#define IDD_PRICE_EDITOR            158
#define IDC_PRICE_LABEL             1068

// Date editor.
#define IDD_DATE_EDITOR             203
#define IDC_DATE_PICKER             1041
#define IDC_DATE_SCHEDULER          1120
#define IDC_DATE_DEADLINE           1121

// Small value dialogs.
#define IDD_ADD_CRITERION           263
#define IDD_EDIT_CRITERIA           242
#define IDC_CRITERION_1             1000
#define IDC_CRITERION_2             1072
#define IDC_CRITERION_3             1045
#define IDC_CRITERION_4             1073
#define IDC_CRITERION_5             1050
#define IDC_CRITERION_6             1074
#define IDC_CRITERION_7             1057
#define IDC_CRITERION_8             1075
#define IDC_CRITERION_9             1071
#define IDC_CRITERION_10            1076
#define IDC_OFFER_NUMBER            1077
#define IDD_TEXT_VALUE              367
#define IDC_TEXT_VALUE_LABEL        1182
#define IDC_TEXT_VALUE              1183
#define IDD_DEFAULT_VALUES          366
#define IDC_DEFAULT_CASE_NUMBER     1170
#define IDC_DEFAULT_TASK_NAME       1171
#define IDC_DEFAULT_BUYER_NAME      1172
#define IDC_DEFAULT_STREET          1173
#define IDC_DEFAULT_POSTAL_CODE     1174
#define IDC_DEFAULT_TOWN            1175
#define IDC_DEFAULT_TELEPHONE       1176
#define IDC_DEFAULT_EMAIL           1177
#define IDC_DEFAULT_WEB_PAGE        1178
#define IDC_DEFAULT_OFFICE_HOURS    1179
#define IDC_DEFAULT_HEAD            1180
#define IDC_DEFAULT_FAX             1200
