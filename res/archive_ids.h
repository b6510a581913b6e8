// Resource ids of the archive browser.
#pragma once

#define IDD_ARCHIWUM                137
#define IDC_ARCHIWUM_KIND           1003
#define IDC_ARCHIWUM_LIST           1004
#define IDC_ARCHIWUM_CHANGE_FOLDER  1005
#define IDC_ARCHIWUM_UP             1007
#define IDC_ARCHIWUM_LABEL          1071
#define IDC_ARCHIWUM_DELETE         1083
#define IDC_ARCHIWUM_FOLDER         1110
#define IDC_ARCHIWUM_DESCRIPTION    1115
#define IDC_ARCHIWUM_SAMPLE         1150
