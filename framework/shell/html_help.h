#pragma once
// HTML Help without the help viewer. A help file "<folder>\pomoc.chm" is read as the folder
// "<folder>\pomoc" of HTML topics, whose "index.htm" is the table of contents;
// "pomoc.chm::/0.htm" names the topic "<folder>\pomoc\0.htm". Topics show in one help window
// of ours; a missing help folder or topic is told to the user.
//
// The program calls HtmlHelpA (or HtmlHelp) as the platform names it; both come here.

#include <windows.h>

#include <htmlhelp.h>

// HH_DISPLAY_TOPIC (dwData: a topic name, or 0), HH_DISPLAY_TOC, HH_HELP_CONTEXT (dwData: a
// number n; shows "<n>.htm" when the folder has it, else the contents) and HH_CLOSE_ALL.
// Returns the help window, or nullptr when nothing is shown.
HWND MorvelankHtmlHelp(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData);

#undef HtmlHelp
#define HtmlHelp MorvelankHtmlHelp
#define HtmlHelpA MorvelankHtmlHelp
