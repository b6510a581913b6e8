// Resource ids of the offers summary and the technical-specification wizard.
#pragma once

// "Zbiorcze zestawienie ofert": offers against up to ten criteria.
#define IDD_OFFERS_SUMMARY 241
#define IDC_OFFERS_SUMMARY_LIST 1054
#define IDC_OFFERS_SUMMARY_ADD 1016
#define IDC_OFFERS_SUMMARY_MODIFY 1005
#define IDC_OFFERS_SUMMARY_DELETE 1006
#define IDC_OFFERS_SUMMARY_CRITERIA 1078
#define IDC_OFFERS_SUMMARY_OK 1014

// "Specyfikacja techniczna - kreator".
#define IDD_TECH_SPEC 322
#define IDC_TECH_SPEC_HEADINGS 1054
#define IDC_TECH_SPEC_DEFINITIONS 1066
#define IDC_TECH_SPEC_TEXT 1075
#define IDC_TECH_SPEC_AT_CARET 1023
#define IDC_TECH_SPEC_AT_START 1024
#define IDC_TECH_SPEC_AT_END 1025
#define IDC_TECH_SPEC_ADD_HEADING 1003
#define IDC_TECH_SPEC_ADD_DEFINITION 1005
#define IDC_TECH_SPEC_CLOSE 1006
