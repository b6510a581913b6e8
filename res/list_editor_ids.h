// Resource ids of the list editor and its input dialogs.
#pragma once

// "Lista": the list editor.
#define IDD_LIST_EDITOR                 204
#define IDC_LIST_EDITOR_SUM             1000
#define IDC_LIST_EDITOR_ADD             1003
#define IDC_LIST_EDITOR_MODIFY          1005
#define IDC_LIST_EDITOR_DELETE          1006
#define IDC_LIST_EDITOR_OK              1014
#define IDC_LIST_EDITOR_LEGAL_HELP      1020
#define IDC_LIST_EDITOR_LIST            1054
#define IDC_LIST_EDITOR_SUM_LABEL       1055

// A criterion with its weight.
#define IDD_CRITERION_INPUT             205
#define IDC_CRITERION_INPUT_NAME        1000
#define IDC_CRITERION_INPUT_OFFER_LABEL 1012
#define IDC_CRITERION_INPUT_OFFER       1013
#define IDC_CRITERION_INPUT_SCORING_LABEL 1032
#define IDC_CRITERION_INPUT_SCORING     1033
#define IDC_CRITERION_INPUT_WEIGHT      1045

// A numbered criterion with its value and scoring method.
#define IDD_CRITERION_VALUE_INPUT       148
#define IDC_CRITERION_VALUE_NUMBER      1024
#define IDC_CRITERION_VALUE_NAME        1025
#define IDC_CRITERION_VALUE_VALUE       1026
#define IDC_CRITERION_VALUE_SCORING     1027

// Up to six labelled fields of an offer or another row.
#define IDD_OFFER_INPUT                 207
#define IDC_OFFER_INPUT_LABEL_1         1052
#define IDC_OFFER_INPUT_LABEL_2         1055
#define IDC_OFFER_INPUT_LABEL_3         1058
#define IDC_OFFER_INPUT_LABEL_4         1059
#define IDC_OFFER_INPUT_LABEL_5         1010
#define IDC_OFFER_INPUT_LABEL_6         1011
#define IDC_OFFER_INPUT_VALUE_1         1000
#define IDC_OFFER_INPUT_VALUE_2         1045
#define IDC_OFFER_INPUT_VALUE_3         1050
#define IDC_OFFER_INPUT_VALUE_4         1057
#define IDC_OFFER_INPUT_VALUE_5         1071
#define IDC_OFFER_INPUT_VALUE_6         1072
