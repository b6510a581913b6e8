// The main menu's backup and finder commands.
#pragma once

class CWnd;

// "Kopia zapasowa bieżących dokumentów" (ID_KOPIA_ZAPASOWA).
void RunBackupManager(CWnd *parent);

// "Znajdź w bieżących" (ID_ZNAJDZ_W_BIEZACYCH, archive 0) and "Znajdź w archiwum"
// (ID_ZNAJDZ_W_ARCHIWUM, archive 1): the finder on that folder; the chosen proceeding is opened
// through the main window and status pane 0 cleared.
void RunFinder(CWnd *parent, int archive);
