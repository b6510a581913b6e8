// Resource ids of the main window: menus, toolbars, accelerators, its dialogs.
#pragma once

// Toolbars and their bitmaps (IDR_MAINFRAME, 128, is the main toolbar and the main menu).
#define IDR_TREE_TOOLBAR            168
#define IDR_FORMAT_TOOLBAR          325
#define IDR_TREE_TOOLS_TOOLBAR      356
#define IDR_MENU_ICONS              309
#define IDB_MAIN_TOOLBAR            239
#define IDB_MAIN_TOOLBAR_DISABLED   211
#define IDB_TREE_TOOLBAR            212
#define IDB_TREE_TOOLBAR_DISABLED   213
#define IDB_SPLASH                  233

// Drop-down menus of the main toolbar.
#define IDR_CONTRACTS_MENU          359
#define IDR_REMEDIES_MENU           375
#define IDR_FORMS_MENU              61453

// Status-bar pane indicators and the progress control over pane 1.
#define ID_INDICATOR_DOCUMENT       103
#define ID_INDICATOR_PROGRESS       104
#define ID_INDICATOR_PROJECT        106
#define IDC_STATUS_PROGRESS         321

// Commands of the main window.
#define ID_NOWY                     32809
#define ID_OTWORZ                   32825
#define ID_OTWORZ_Z_ARCHIWUM        32866
#define ID_ZNAJDZ_W_BIEZACYCH       32951
#define ID_ZNAJDZ_W_ARCHIWUM        32952
#define ID_PRZYKLADOWE              33823
#define ID_DOKUMENTY_ZP             32771
#define ID_CIEKAWE_ARTYKULY         32815
#define ID_UMOWY                    32954
#define ID_SRODKI_OCHRONY           33836
#define ID_WZORY_WYKONAWCOW         61450
#define ID_UMOWY_NOWE               360
#define ID_UMOWY_OTWORZ             361
#define ID_UMOWY_2006               362
#define ID_SRODKI_NOWE              61448
#define ID_SRODKI_OTWORZ            61449
#define ID_WZORY_NOWE               61451
#define ID_WZORY_OTWORZ             61452
#define ID_REJESTRY                 32965
#define ID_EWIDENCJA                374
#define ID_EWIDENCJA_TOOLBAR        33834
#define ID_KALKULATOR               33827
#define ID_TERMINARZ                32953
#define ID_OBLICZ_TERMIN            32969
#define ID_CPV                      32813
#define ID_USTAWIENIA               32861
#define ID_DANE_ZAMAWIAJACEGO       32972
#define ID_LISTA_OKIEN              33809
#define ID_ZESTAWIENIE              33814
#define ID_KOPIA_ZAPASOWA           33815
#define ID_PASEK_DRZEWA             32793
#define ID_POKAZ_PASEK_GLOWNY       32975
#define ID_POKAZ_PASEK_DRZEWA       32976
#define ID_POMOC                    32817
#define ID_ORZECZENIA_KIO           378
#define ID_OFERTA                   372
#define ID_POMOC_PRAWNA             32823
#define ID_KATALOG                  32971
// Commands of the proceeding window that the main menu and toolbars carry (more of them in
// proceeding_ids.h).
#define ID_ZAPISZ                   32807
#define ID_EDYCJA                   32776

// Settings dialog.
#define IDD_USTAWIENIA              222
#define IDC_FOLDER_CURRENT          1076
#define IDC_BROWSE_CURRENT          1112
#define IDC_FOLDER_ARCHIVE          1046
#define IDC_BROWSE_ARCHIVE          1019
#define IDC_FOLDER_SCHEDULE         1047
#define IDC_BROWSE_SCHEDULE         1020
#define IDC_FOLDER_BACKUP           1048
#define IDC_BROWSE_BACKUP           1021
#define IDC_FOLDER_EXPORT           1049
#define IDC_BROWSE_EXPORT           1022
#define IDC_EURO_RATE               1031
#define IDC_AUTOSAVE_ON             1042
#define IDC_AUTOSAVE_PERIOD         1078
#define IDC_AUTOSAVE_SPIN           1008

// Information page.
#define IDD_PREVIEW                 163
#define IDC_PREVIEW_PLACEHOLDER     1050
#define IDC_PREVIEW_SHOW_NEXT_TIME  1042

// Picture dialog.
#define IDD_SPLASH_PICTURE          143

// Window list.
#define IDD_WINDOWS                 329
#define IDC_WINDOWS_LIST            1054
#define IDC_WINDOWS_ACTIVATE        1079
#define IDC_WINDOWS_CLOSE           1080

// Contracting authority's data.
#define IDD_DANE_ZAMAWIAJACEGO      297
#define IDC_BUYER_NAME              1125
#define IDC_BUYER_STREET            1126
#define IDC_BUYER_POSTAL_CODE       1127
#define IDC_BUYER_TOWN              1128
#define IDC_BUYER_PHONE             1129
#define IDC_BUYER_EMAIL             1021
#define IDC_BUYER_WWW               1022
#define IDC_BUYER_HOURS             1023
#define IDC_BUYER_FAX               1042

// Move to archive.
#define IDD_PRZENOSZENIE_DO_ARCHIWUM 216
#define IDC_ARCHIVE_DESCRIPTION     1000
#define IDC_ARCHIVE_SIGNATURE       1045
