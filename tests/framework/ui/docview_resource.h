// Ids of the frame and view test resources (docview_test.rc), apart from test_resource.h's.
#pragma once

#define IDR_TEST_MAINFRAME 500
#define IDR_TEST_NAMED_DOC 530
#define IDR_TEST_PLAIN_DOC 531
#define IDD_TEST_DIALOGBAR 540

#define ID_TEST_ROUTED 34000
#define ID_TEST_DROPDOWN 34001
#define ID_TEST_DISABLED 34002
#define ID_TEST_UNHANDLED 34003
#define ID_TEST_BAR_BUTTON 34004
#define ID_INDICATOR_TEST1 520
#define ID_INDICATOR_TEST2 521
#define ID_TEST_DOC_CMD 34005
#define ID_TEST_APP_CMD 34006
#define ID_TEST_FRAME_CMD 34007
