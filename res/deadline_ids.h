// Resource ids of the deadline calculator.
#pragma once

#define IDD_OBLICZ_TERMIN               296
#define IDC_DEADLINE_STEP_TITLE         1022
// The one radio group, values 0..7 in this order.
#define IDC_DEADLINE_OPTION0            1023
#define IDC_DEADLINE_OPTION1            1024
#define IDC_DEADLINE_OPTION2            1025
#define IDC_DEADLINE_OPTION3            1026
#define IDC_DEADLINE_OPTION4            1028
#define IDC_DEADLINE_OPTION5            1063
#define IDC_DEADLINE_OPTION6            1064
#define IDC_DEADLINE_OPTION7            1065
#define IDC_DEADLINE_BACK               1029
#define IDC_DEADLINE_SEND_DATE          1116
#define IDC_DEADLINE_SEND_LABEL         1117
#define IDC_DEADLINE_PUBLICATION_DATE   1000
#define IDC_DEADLINE_EXPIRY_DATE        1045
#define IDC_DEADLINE_PUBLICATION_LABEL  1118
#define IDC_DEADLINE_EXPIRY_LABEL       1119
#define IDC_DEADLINE_COMMENT            1115
#define IDC_DEADLINE_NAME_LABEL         1124
#define IDC_DEADLINE_NAME               1123
