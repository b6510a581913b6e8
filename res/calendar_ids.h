// Resource ids of the calendar and its entry dialog.
#pragma once

#define IDD_TERMINARZ                   250
#define IDD_WIADOMOSC                   251
#define IDB_CALENDAR_FLAGS              294
#define IDI_CALENDAR                    187
#define IDC_CALENDAR_GRID               1081
#define IDC_CALENDAR_ADD                1082
#define IDC_CALENDAR_DELETE             1083
#define IDC_CALENDAR_EDIT               1084
#define IDC_CALENDAR_DEADLINE           1114
#define IDC_CALENDAR_FOLDER             1003
#define IDC_NOTE_TEXT                   1000
#define IDC_NOTE_TIME                   1041
#define IDC_NOTE_ALARM                  1085
#define IDC_NOTE_PRIORITY               1122
