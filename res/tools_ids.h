// Resource ids of the backup manager and the finder.
#pragma once

#define IDD_BACKUP_MANAGER          348
#define IDC_BACKUP_LIST             1054
#define IDC_BACKUP_FOLDER           1087
#define IDC_BACKUP_MAKE             1005
#define IDC_BACKUP_RESTORE          1006
#define IDC_BACKUP_REFRESH          1088
#define IDC_BACKUP_CLOSE            1048
#define IDC_BACKUP_CHANGE_FOLDER    1003

#define IDD_ZNAJDZ                  248
#define IDD_ZNAJDZ_PLIKI            249
#define IDC_FIND_TEXT               1000
#define IDC_FIND_MATCH_CASE         1043
#define IDC_FIND_FILES              1054
#define IDC_FIND_DESCRIPTION        1045
#define IDC_FIND_START              1079
