// Resource ids of the definition, document and criteria lists.
#pragma once

// Definition list ("Lista definicji" / "Przykładowe zakresy umów").
#define IDD_DEFINITION_LIST 358
#define IDC_DEFINITION_LIST 1151
#define IDC_DEFINITION_TAKE 1152
#define IDC_DEFINITION_ADD_NUMBER 1156

// Document list of a document-list variable.
#define IDD_DOCUMENT_LIST 264
#define IDC_DOCUMENT_LIST_BOX 1054
#define IDC_DOCUMENT_LIST_ADD 1003
#define IDC_DOCUMENT_LIST_DELETE 1005
#define IDC_DOCUMENT_LIST_EDIT 1113
#define IDC_DOCUMENT_LIST_UP 1130
#define IDC_DOCUMENT_LIST_DOWN 1131

// Criteria list of the offers summary.
#define IDD_CRITERIA_LIST 262
#define IDC_CRITERIA_LIST_BOX 1054
#define IDC_CRITERIA_LIST_ADD 1003
#define IDC_CRITERIA_LIST_EDIT 1005
#define IDC_CRITERIA_LIST_DELETE 1006
