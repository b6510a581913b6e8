// The main menu's "Wyszukiwarka CPV": the CPV dictionary to look codes up in. Nothing is
// inserted anywhere; the chosen row is not used.
#pragma once

class CWnd;

void RunCpvDictionary(CWnd *parent);
