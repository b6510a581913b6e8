// Resource ids of the offer evaluation, deadline calculator and calendar.
#pragma once

// Price criterion: dialog, scrolling panel, one row per offer.
#define IDD_KRYTERIUM_CENA 166
#define IDD_PANEL_CENA 167
#define IDD_OFERTA_CENA 168
// Delivery-term criterion: dialog, row, panel.
#define IDD_KRYTERIUM_TERMIN 169
#define IDD_OFERTA_TERMIN 170
#define IDD_PANEL_TERMIN 171

// Fields shared by the evaluation dialogs.
#define IDC_EVAL_CASE_NUMBER 1059
#define IDC_EVAL_DATE 1060
#define IDC_EVAL_OFFER_COUNT 1052
#define IDC_EVAL_PANEL_FRAME 1053
#define IDC_EVAL_TITLE 1056
#define IDC_EVAL_WEIGHT 1061
#define IDC_EVAL_FORMULA_WEIGHT 1062
#define IDC_PRICE_PRINT 1069
#define IDC_TERM_PRINT 1003
#define IDC_TERM_UNIT_DAYS 1063
#define IDC_TERM_UNIT_MONTHS 1024
#define IDC_TERM_UNIT_YEARS 1025

// Fields of an offer row.
#define IDC_EVAL_ROW_NUMBER 1054
#define IDC_EVAL_ROW_BEST 1072
#define IDC_EVAL_ROW_POINTS 1074
#define IDC_PRICE_ROW_CONTRACTOR 1055
#define IDC_PRICE_ROW_PRICE 1071
#define IDC_PRICE_ROW_COMPONENTS 1160
#define IDC_TERM_ROW_TERM 1045
