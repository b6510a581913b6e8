// Resource ids of the proceeding window's dialogs: protection, passwords, save-as, header and footer, properties.
#pragma once

#define IDD_SAVE_AS                 142
#define IDD_ADD_DOCUMENT            150
#define IDD_PASSWORD_PROMPT         165
#define IDI_AUTHORIZATION           187
#define IDD_PROTECT_DOCUMENT        200
#define IDD_CHANGE_PASSWORD         202
#define IDD_DOCUMENT_PROPERTIES     227
#define IDD_HEADER_FOOTER           349

// Save-as and add-document
#define IDC_PROCEEDING_NAME         1000
#define IDC_CHOOSE_WORKING_FOLDER   1003
#define IDC_DOCUMENT_TITLE          1000

// Passwords
#define IDC_OLD_PASSWORD            1000
#define IDC_PROTECT_DOCUMENT        1042
#define IDC_PASSWORD                1045
#define IDC_PASSWORD_REPEAT         1050

// Header and footer
#define IDC_HEADER_TEXT             1090
#define IDC_FOOTER_TEXT             1091
#define IDC_PAGE_NUMBERING          1092

// Document properties
#define IDC_SECURE_DOCUMENT         1003
#define IDC_CLOSE_AND_ARCHIVE       1005
#define IDC_SECURE_ALL              1006
#define IDC_DOCUMENT_PROPERTY_LIST  1054
