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
#define IDD_MULTI_TASK_LAYOUT       130
#define IDD_TASK_NAME               131

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

// Parts of a divided proceeding
#define IDC_EDIT_TASK               1000
#define IDC_TASK_LIST               1054
#define IDC_ADD_TASK                1082
#define IDC_DELETE_TASK             1083
#define IDC_TASK_NAME               1125

// ---- The proceeding window: frame, document tree, their menus ----------------------------------
#define IDR_PROCEEDING              129     // accelerators and icon of the proceeding template
#define IDB_TREE_IMAGES             132
#define IDR_TREE_CONTEXT_MENU       312

// Commands of the proceeding window's frame.
#define ID_ZAPISZ_POSTEPOWANIE      32807
#define ID_ZAPISZ_JAKO              32948
#define ID_ZAMKNIJ_POSTEPOWANIE     32860
#define ID_DRUKUJ_WSZYSTKO          32859
#define ID_ZAWIJANIE_BRAK           32773
#define ID_ZAWIJANIE_OKNO           32774
#define ID_ZAWIJANIE_WYDRUK         32775
#define ID_DRZEWO_DOKUMENTOW        32974
#define ID_UKLAD_WIELOZADANIOWY     32805
#define ID_ZABEZPIECZENIE_DOKUMENTU 32863
#define ID_ZMIEN_HASLO              32864
#define ID_PRZENIES_DO_ARCHIWUM     32865
#define ID_WLASNOSCI_DOKUMENTOW     32869
#define ID_EKSPORT_DOC              32867
#define ID_EKSPORT_RTF              32871
#define ID_EKSPORT_HTML             33821
#define ID_WYCZYSC_SZABLONY         32797
#define ID_EDYTOR_SZABLONOW         32799
#define ID_KREATOR_SPECYFIKACJI     33792
#define ID_WYSLIJ_EMAIL             33812
#define ID_KORESPONDENCJA_SERYJNA   33813
#define ID_NAGLOWEK_I_STOPKA        33819
#define ID_DRZEWO_DO_PLIKU          33807
#define ID_KOPIUJ_WSZYSTKO          33810

// Commands of the document tree.
#define ID_DRZEWO_POPRZEDNI         32826
#define ID_DRZEWO_NASTEPNY          32827
#define ID_DRZEWO_ROZWIN            32835
#define ID_DRZEWO_ZWIN              32836
#define ID_DRZEWO_ROZWIN_WSZYSTKO   32837
#define ID_DRZEWO_ZWIN_WSZYSTKO     32838
#define ID_DODAJ_DOKUMENT           32994
#define ID_OTWORZ_PLIK              33003
#define ID_USUN_PLIK                33004
