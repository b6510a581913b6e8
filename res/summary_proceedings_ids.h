// Resource ids of the summary of proceedings.
#pragma once

#define IDD_SUMMARY_PROCEEDINGS             347
#define IDR_SUMMARY_PROCEEDINGS_TOOLBAR     326
#define IDC_SUMMARY_PROCEEDINGS_GRID        1030
#define ID_SUMMARY_PROCEEDINGS_EXPORT       32808
#define ID_SUMMARY_PROCEEDINGS_PRINT        32819
