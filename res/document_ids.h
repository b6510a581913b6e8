// Resource ids of the document engine and its printing.
#pragma once

// Print preview bar of the document view, and its button pictures
#define IDD_PREVIEW_BAR 298
#define IDB_PREVIEW_PREV 299
#define IDB_PREVIEW_NEXT 301
#define IDB_PREVIEW_TWO_PAGES 302
#define IDB_PREVIEW_PRINT 303
#define IDB_PREVIEW_ONE_PAGE 304
#define IDB_PREVIEW_ZOOM_IN 305
#define IDB_PREVIEW_ZOOM_OUT 306

// Hover cursors of the document view: over a variable, over a page-break marker
#define IDC_VARIABLE_CURSOR 163
#define IDC_PAGE_BREAK_CURSOR 136

// Edit commands of the document view
#define ID_KOPIUJ 32832
#define ID_ZAZNACZ_WSZYSTKO 32947
#define ID_ZNAJDZ 32949
#define ID_ZNAJDZ_NASTEPNE 32950
#define ID_WSTAW_PODZIAL_STRONY 32999
#define ID_USUN_PODZIAL_STRONY 32803
#define ID_EDYCJA_SZABLONU 32796
#define ID_KOLOR_TEKSTU 33801

// Format bar on the editable document
#define ID_POGRUBIENIE 33793
#define ID_KURSYWA 33794
#define ID_PODKRESLENIE 33795
#define ID_DO_LEWEJ 33796
#define ID_WYSRODKUJ 33797
#define ID_DO_PRAWEJ 33798
#define ID_POMOC_PRAWNA_TEMATU 33816

// Context menu of the document view
#define IDR_VIEW_CONTEXT_MENU 314
