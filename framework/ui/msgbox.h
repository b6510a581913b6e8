#pragma once
// Message boxes of the program: text in code page 1250, caption the application's name unless
// given. With a test hook installed the hook answers instead (see testhook.h).

#include <windows.h>

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The prompt is a string from the resource string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// The one place a message box is shown; owner may be null.
int AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);

// The system's message box, with its text given room for every letter: Wine sizes the text to
// what the font measures, and draws some letters wider than that, so the last one was cut off.
int ShowSystemMessageBox(HWND owner, const wchar_t *text, const wchar_t *caption, UINT type);
