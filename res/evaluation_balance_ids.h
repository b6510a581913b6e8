// Resource ids of the points balance of the offer evaluation.
#pragma once

// Points balance: dialog, row of one offer, scrolling panel; the new-criterion dialog.
#define IDD_BILANS_PUNKTOWY 172
#define IDD_OFERTA_PUNKTY 173
#define IDD_PANEL_BILANS 174
#define IDD_NOWE_KRYTERIUM 175

// Fields of the points balance.
#define IDC_BALANCE_OFFER_COUNT 1052
#define IDC_BALANCE_PANEL_FRAME 1053
#define IDC_BALANCE_CRITERIA 1054
#define IDC_BALANCE_TITLE 1056
#define IDC_BALANCE_CASE_NUMBER 1059
#define IDC_BALANCE_DATE 1060
#define IDC_BALANCE_ADD 1064
#define IDC_BALANCE_REMOVE 1065
#define IDC_BALANCE_PRINT 1069
#define IDC_BALANCE_RESULT 1070

// Fields of an offer's row.
#define IDC_BALANCE_ROW_NUMBER 1054
#define IDC_BALANCE_ROW_POINTS 1066
#define IDC_BALANCE_ROW_EDIT 1067

// Fields of the new criterion.
#define IDC_NEW_CRITERION_NAME 1000
#define IDC_NEW_CRITERION_WEIGHT 1045
