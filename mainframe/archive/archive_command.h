// The main menu's "Otwórz" and "Otwórz z archiwum": the archive browser on the current
// proceedings (archive 0) or on the archive (archive 1), then the main window opens the
// proceeding picked, or the sample proceeding.
#pragma once

class CWnd;

void RunArchiveBrowser(CWnd *parent, int archive);
