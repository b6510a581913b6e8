// Resource ids of the mail merge to contractors and of the contractor register.
#pragma once

// "Kreator korespondencji seryjnej": contractors, then documents, moved between two lists.
#define IDD_KREATOR_KORESPONDENCJI 345
#define IDC_MERGE_STEP_TITLE 1083
#define IDC_MERGE_AVAILABLE 1084
#define IDC_MERGE_CHOSEN 1062
#define IDC_MERGE_ADD 1003
#define IDC_MERGE_REMOVE 1005
#define IDC_MERGE_BACK 1016
#define IDC_MERGE_NEXT 1078

// "Lista wykonawców": one contractor taken into a table.
#define IDD_LISTA_WYKONAWCOW 155
#define IDC_CONTRACTOR_LIST 1054
#define IDC_CONTRACTOR_REFRESH 1003
#define IDC_CONTRACTOR_CHOOSE 1005
#define IDC_CONTRACTOR_EDIT 1006

// "Rejestr wykonawców": the register's rows added, changed and deleted.
#define IDD_REJESTR_WYKONAWCOW 391
#define IDC_REGISTER_LIST 1054
#define IDC_REGISTER_ADD 1105
#define IDC_REGISTER_CHANGE 1106
#define IDC_REGISTER_DELETE 1107

// "Wykonawca": one row of the register.
#define IDD_WYKONAWCA 392
#define IDC_CONTRACTOR_NAME 1141
#define IDC_CONTRACTOR_ADDRESS 1142
#define IDC_CONTRACTOR_PHONES 1143
#define IDC_CONTRACTOR_EMAIL 1144
#define IDC_CONTRACTOR_CONTACT 1145
