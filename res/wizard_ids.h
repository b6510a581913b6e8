// Resource ids of the wizards: the wizard frame and the new-proceeding wizard.
#pragma once

// Buttons of every wizard container.
#define IDC_WIZARD_BACK 12323
#define IDC_WIZARD_NEXT 12324
#define IDC_WIZARD_FINISH 12325

// The new-proceeding wizard and its pages.
#define IDD_KREATOR 144
#define IDB_KREATOR 373
#define IDD_WIZARD_OPERATION 104
#define IDD_WIZARD_MODE 299
#define IDD_WIZARD_VALUE 300
#define IDD_WIZARD_PROJECT 352
#define IDD_WIZARD_CONTRACTS 359
#define IDD_WIZARD_REPORT 360
#define IDD_WIZARD_REMEDIES 377

// Controls of the container.
#define IDC_KREATOR_PLACEHOLDER 1014
#define IDC_KREATOR_BITMAP 1020
#define IDC_KREATOR_STEP_TITLE 1098
#define IDC_KREATOR_HELP 1093

// Page 1: the operation radios in group order, the legal-help button.
#define IDC_OPERATION_OLD_FORMS 1023
#define IDC_OPERATION_NEW 1204
#define IDC_OPERATION_OPEN 1024
#define IDC_OPERATION_ARCHIVE 1025
#define IDC_OPERATION_FORMS_LIBRARY 1026
#define IDC_OPERATION_CONTRACTS 1028
#define IDC_OPERATION_REGISTERS 1063
#define IDC_OPERATION_REPORT 1157
#define IDC_OPERATION_REMEDIES 1158
#define IDC_OPERATION_LEGAL_HELP 1094

// Page 2: the procedure-mode radios (captions depend on the act).
#define IDC_MODE_FIRST 1023
#define IDC_MODE_2 1024
#define IDC_MODE_3 1025
#define IDC_MODE_4 1026
#define IDC_MODE_5 1028
#define IDC_MODE_6 1063
#define IDC_MODE_7 1064
#define IDC_MODE_8 1066
#define IDC_MODE_9 1067
#define IDC_MODE_10 1068
#define IDC_MODE_11 1069
#define IDC_MODE_12 1203
#define IDC_MODE_13 1204
#define IDC_MODE_LAST 1205

// Page 3: value band.
#define IDC_VALUE_BELOW 1023
#define IDC_VALUE_ABOVE 1024
#define IDC_VALUE_THRESHOLD 1184

// Page 4: project settings.
#define IDC_PROJECT_NAME 1099
#define IDC_PROJECT_FOLDER 1104
#define IDC_PROJECT_ONE_TASK 1100
#define IDC_PROJECT_MANY_TASKS 1101
#define IDC_PROJECT_COUNT_LABEL 1109
#define IDC_PROJECT_COUNT 1102
#define IDC_PROJECT_COUNT_SPIN 1110
#define IDC_PROJECT_DEFAULTS 1169

// Pages 5, 6 and 7: their choices.
#define IDC_REPORT_ZPSR 1159
#define IDC_REPORT_ZPSR2 1158
#define IDC_REMEDIES_NEW 1202
#define IDC_REMEDIES_OPEN 1203
#define IDC_CONTRACTS_NEW 1153
#define IDC_CONTRACTS_OPEN 1154
#define IDC_CONTRACTS_OPEN_2006 1155
